#include "mainwindow/views/accessibility/RunStateText.h"

#include "core/Machine.h"

#include <QWidget>

namespace zeb::views {

RunStateText::RunStateText(const Machine& machine, std::initializer_list<QWidget*> controls)
    : machine_(machine) {
    std::size_t i = 0;
    for (QWidget* w : controls)
        if (i < std::size(controls_)) controls_[i++] = w;
}

void RunStateText::menusEnabled(bool enabled) {
    const QString pc = QString::fromStdString(machine_.registerText(Register::PC)).trimmed();
    const QString report = QString::fromStdString(machine_.runState().lastReport());
    if (!enabled)
        show(running_ ? QStringLiteral("Running") : QStringLiteral("Stepping"));
    else if (machine_.runState().running())
        return; // Run or Step pressed during a run: it goes on
    else if (machine_.runState().hasError())
        show(QStringLiteral("Program stopped: %1").arg(report));
    else if (running_ && stopped_)
        show(QStringLiteral("Stopped at %1").arg(pc));
    else if (running_)
        show(QStringLiteral("Program halted at %1").arg(pc));
    else
        show(QStringLiteral("Stepped, program counter %1").arg(pc));
}

void RunStateText::forget() {
    if (!text_.isEmpty()) show(QString());
}

void RunStateText::show(const QString& text) {
    if (text == text_) return;
    text_ = text;
    // Setting a description tells the screen reader of the change.
    for (QWidget* w : controls_)
        if (w) w->setAccessibleDescription(text_);
}

} // namespace zeb::views
