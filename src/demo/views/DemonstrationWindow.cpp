#include "demo/views/DemonstrationWindow.h"

#include "demo/Demonstration.h"
#include "ui/CentreForm.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

namespace zeb::demo::views {

namespace {

constexpr int kStartWidth = 6600;
constexpr int kStartHeight = 3600;
constexpr int kMinimumWidth = 3000;
constexpr int kMinimumHeight = 2000;
constexpr int kButtonWidth = 915;
constexpr int kButtonHeight = 450;

int px(int twips) {
    return ui::twipsToPixels(twips);
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

DemonstrationWindow::DemonstrationWindow(Demonstration& demonstration, QWidget* parent)
    : QWidget(parent, Qt::Window), demonstration_(demonstration) {
    setObjectName(QStringLiteral("FrmDemo"));
    setWindowTitle(QStringLiteral("Demonstration instructions"));

    messageText_ = new QPlainTextEdit(this);
    messageText_->setObjectName(QStringLiteral("TxtDemo"));
    messageText_->setAccessibleName(QStringLiteral("Demonstration message"));
    // The student reads the message; nothing typed changes it.
    messageText_->setReadOnly(true);
    messageText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    messageText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    scrollHint_ =
        new QLabel(QStringLiteral("Use the scroll bar to view all of the message."), this);
    scrollHint_->setObjectName(QStringLiteral("Label1"));

    helpButton_ = button(QStringLiteral("CmdHelp"), QStringLiteral("Help"), this);
    nextButton_ = button(QStringLiteral("CmdNext"), QStringLiteral("Next"), this);
    cancelButton_ = button(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);
    for (QPushButton* b : {helpButton_, nextButton_, cancelButton_})
        b->raise();
    connect(helpButton_, &QPushButton::clicked, this, [this] { demonstration_.help(); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { demonstration_.next(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { demonstration_.cancel(); });

    setMinimumSize(px(kMinimumWidth), px(kMinimumHeight));
    resize(px(kStartWidth), px(kStartHeight));
    layOut();
    // Low down on the left, clear of the memory cells the student clicks.
    ui::centreForm(this, 8, 2);
}

void DemonstrationWindow::showInstruction(const std::string& message, bool nextEnabled) {
    // Messages break their lines with carriage return and line feed.
    QString text = QString::fromStdString(message);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    messageText_->setPlainText(text);
    nextButton_->setEnabled(nextEnabled);
    keepClearOfNamedControl();
}

void DemonstrationWindow::keepClearOfNamedControl() {
    if (!controlArea) return;
    const DemoEntry& entry = demonstration_.current();
    if (!entry.awaited) return;
    const QList<QRect> named = controlArea(*entry.awaited);
    if (!named.isEmpty()) ui::moveClearOf(this, named);
}

void DemonstrationWindow::showWindow() {
    show();
    // Its frame is known now.
    keepClearOfNamedControl();
    raise();
    activateWindow();
}

void DemonstrationWindow::hideWindow() {
    hide();
}

void DemonstrationWindow::setOnTop(bool onTop) {
    Qt::WindowFlags flags = windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // setWindowFlags() would hide and re-create the native window, losing a
    // click in progress; the platform window takes the new level in place.
    overrideWindowFlags(flags);
    if (QWindow* native = windowHandle()) native->setFlags(flags);
}

void DemonstrationWindow::layOut() {
    const int w = width();
    const int h = height();
    messageText_->setGeometry(0, 0, w - px(150), h - px(1000));
    // The hint runs the whole width; its text ends before the buttons, which
    // lie over the foot of its box.
    scrollHint_->setGeometry(0, h - px(1000), w, scrollHint_->sizeHint().height());
    const int top = h - px(800);
    helpButton_->setGeometry(w - px(3100), top, px(kButtonWidth), px(kButtonHeight));
    nextButton_->setGeometry(w - px(2100), top, px(kButtonWidth), px(kButtonHeight));
    cancelButton_->setGeometry(w - px(1100), top, px(kButtonWidth), px(kButtonHeight));
}

void DemonstrationWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isMinimized()) layOut();
}

void DemonstrationWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) setOnTop(true);
}

void DemonstrationWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends the demonstration as Cancel does, so the menus
    // come back.
    event->ignore();
    demonstration_.cancel();
}

} // namespace zeb::demo::views
