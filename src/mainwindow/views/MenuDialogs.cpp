#include "mainwindow/views/MenuDialogs.h"

#include "help/HelpViewer.h"
#include "help/views/HelpService.h"
#include "mainwindow/views/PreferencesDialog.h"
#include "teaching/views/LogicGatesWindow.h"
#include "teaching/views/MemoryHardwareWindow.h"

#include <QPushButton>

namespace zeb::views {

MenuDialogs::MenuDialogs(Preferences& preferences, QWidget* parent,
                         std::function<void()> memoryFontChanged, help::views::HelpService& help)
    : preferences_(preferences), parent_(parent), memoryFontChanged_(std::move(memoryFontChanged)),
      help_(help) {}

void MenuDialogs::showPreferences() {
    if (!preferencesDialog_)
        preferencesDialog_ = new PreferencesDialog(preferences_, memoryFontChanged_, parent_);
    preferencesDialog_->exec();
}

void MenuDialogs::showLogicGates() {
    if (!logicGates_) {
        logicGates_ = new teaching::views::LogicGatesWindow(parent_, preferences_);
        help_.attachHelpButton(logicGates_->findChild<QPushButton*>(QStringLiteral("Command3")),
                               help_keywords::kLogicGates);
    }
    logicGates_->exec();
}

void MenuDialogs::showMemoryHardware() {
    if (!memoryHardware_) {
        memoryHardware_ = new teaching::views::MemoryHardwareWindow(parent_, preferences_);
        help_.attachHelpButton(memoryHardware_->findChild<QPushButton*>(QStringLiteral("Command3")),
                               help_keywords::kMemory);
    }
    memoryHardware_->exec();
}

void MenuDialogs::unload(WindowId window) {
    QDialog* dialog = nullptr;
    switch (window) {
    case WindowId::LogicGates:
        dialog = logicGates_;
        break;
    case WindowId::MemoryHardware:
        dialog = memoryHardware_;
        break;
    case WindowId::Preferences:
        dialog = preferencesDialog_;
        break;
    default:
        return;
    }
    if (dialog) dialog->reject();
}

} // namespace zeb::views
