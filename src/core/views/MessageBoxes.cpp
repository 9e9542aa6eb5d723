#include "core/views/MessageBoxes.h"

#include <QMessageBox>
#include <QString>

namespace zeb::core::views {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString messageText(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

} // namespace

Answer MessageBoxes::show(Icon icon, Buttons buttons, std::string_view title,
                          std::string_view text) {
    if (silent_) return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    if (answerer_) return answerer_(icon, buttons, title, text);
    QMessageBox box(
        qtIcon(icon), messageText(title), messageText(text),
        buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.setObjectName(QStringLiteral("MessageBox"));
    // Above the windows kept on top (the demonstration's instructions, the
    // device windows during a run), which would hide its buttons.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const int answer = box.exec();
    // The keys go back to the window the box spoke for, not to a device
    // window that happens to be on top.
    if (parent_ && parent_->isVisible()) parent_->window()->activateWindow();
    return answer == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

} // namespace zeb::core::views
