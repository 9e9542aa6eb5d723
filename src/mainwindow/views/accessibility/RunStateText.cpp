#include "mainwindow/views/accessibility/RunStateText.h"

#include "core/Machine.h"

#include <QWidget>

namespace zeb::views {

RunStateText::RunStateText(const Machine& machine, std::initializer_list<QWidget*> controls,
                           std::function<void(const QString&)> tell)
    : machine_(machine), tell_(std::move(tell)) {
    std::size_t i = 0;
    for (QWidget* w : controls)
        if (i < std::size(controls_)) controls_[i++] = w;
}

void RunStateText::menusEnabled(bool enabled) {
    const QString pc = QString::fromStdString(machine_.registerText(Register::PC)).trimmed();
    if (!enabled)
        text_ = running_ ? QStringLiteral("Running") : QStringLiteral("Stepping");
    else if (machine_.hasError())
        text_ = QStringLiteral("Program stopped by an error at %1").arg(pc);
    else if (running_)
        text_ = QStringLiteral("Program halted at %1").arg(pc);
    else
        text_ = QStringLiteral("Stepped, program counter %1").arg(pc);
    if (enabled) running_ = false;
    // Setting a description tells the screen reader of the change.
    for (QWidget* w : controls_)
        if (w) w->setAccessibleDescription(text_);
    if (enabled && tell_) tell_(text_);
}

} // namespace zeb::views
