#include "mainwindow/views/MenuDialogs.h"

#include "help/HelpViewer.h"
#include "help/views/HelpService.h"
#include "mainwindow/views/PreferencesDialog.h"

#include <QDialog>
#include <QPushButton>

namespace zeb::views {

MenuDialogs::MenuDialogs(Preferences& preferences, QWidget* parent,
                         std::function<void()> memoryFontChanged, help::views::HelpService& help,
                         std::function<void(const QString&)> report)
    : preferences_(preferences), parent_(parent), memoryFontChanged_(std::move(memoryFontChanged)),
      help_(help), report_(std::move(report)), teaching_(QStringLiteral("zeb_teaching_module")) {}

void MenuDialogs::showPreferences() {
    if (!preferencesDialog_)
        preferencesDialog_ = new PreferencesDialog(preferences_, memoryFontChanged_, parent_);
    preferencesDialog_->exec();
}

QDialog* MenuDialogs::makeTeachingWindow(teaching::views::TeachingWindow window,
                                         std::string_view keyword) {
    const auto create = reinterpret_cast<teaching::views::CreateTeachingWindow>(
        teaching_.resolve("zebCreateTeachingWindow"));
    if (!create) {
        report_(QStringLiteral("ZEB's teaching windows could not be loaded: %1")
                    .arg(teaching_.error()));
        return nullptr;
    }
    QDialog* dialog = create(window, parent_, &preferences_);
    help_.attachHelpButton(dialog->findChild<QPushButton*>(QStringLiteral("Command3")), keyword);
    return dialog;
}

void MenuDialogs::showLogicGates() {
    if (!logicGates_)
        logicGates_ = makeTeachingWindow(teaching::views::TeachingWindow::LogicGates,
                                         help_keywords::kLogicGates);
    if (logicGates_) logicGates_->exec();
}

void MenuDialogs::showMemoryHardware() {
    if (!memoryHardware_)
        memoryHardware_ = makeTeachingWindow(teaching::views::TeachingWindow::MemoryHardware,
                                             help_keywords::kMemory);
    if (memoryHardware_) memoryHardware_->exec();
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
