#include "mainwindow/views/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace zeb::views {

namespace {

// The check mark each flag stands for, by item.
struct CheckedItem {
    Flag flag;
    const char* item;
};
constexpr CheckedItem kCheckedItems[] = {
    {Flag::HexadecimalChecked, "MnHexadecimal"}, {Flag::MnemonicsChecked, "mnDissassemble"},
    {Flag::StatusChecked, "mnStatus"},           {Flag::StackPointerChecked, "MnStackPointer"},
    {Flag::InterruptsChecked, "MnuInterrupts"},  {Flag::OutputChecked, "MnuOutput"},
};

} // namespace

MainMenus::MainMenus(QMenuBar* bar, MainWindowModels& models, std::function<void()> refresh)
    : QObject(bar), bar_(bar), models_(models), refresh_(std::move(refresh)) {
    createFileMenu();
    createEditMenu();
    createViewsMenu();
    createOptionsMenu();
    createHelpMenu();
}

QMenu* MainMenus::addMenu(const QString& name, const QString& caption) {
    QMenu* menu = bar_->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    actions_.insert(name, menu->menuAction());
    menus_.push_back(menu);
    return menu;
}

QAction* MainMenus::addItem(QMenu* menu, const QString& name, const QString& caption,
                            std::function<void()> command, const QKeySequence& shortcut) {
    auto* action = new QAction(caption, bar_);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    if (command) connect(action, &QAction::triggered, this, [command] { command(); });
    menu->addAction(action);
    actions_.insert(name, action);
    return action;
}

QAction* MainMenus::addLaterItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = addItem(menu, name, caption, {});
    action->setEnabled(false);
    return action;
}

QAction* MainMenus::addToggle(QMenu* menu, const QString& name, const QString& caption,
                              std::function<void()> command) {
    QAction* action = addItem(menu, name, caption, std::move(command));
    action->setCheckable(true);
    // A checkable item must not tick itself: the check marks follow the model.
    connect(action, &QAction::triggered, this, [this] {
        for (const CheckedItem& c : kCheckedItems)
            showFlag(c.flag, models_.zeb.display().get(c.flag));
    });
    return action;
}

void MainMenus::createFileMenu() {
    QMenu* file = addMenu(QStringLiteral("filedummy1"), QStringLiteral("&File"));
    ProgramFileCommands& files = models_.files;
    CellClipboard& clipboard = models_.clipboard;
    addItem(file, QStringLiteral("MnuNew"), QStringLiteral("&New"),
            [&clipboard] { clipboard.newProgram(); });
    addItem(file, QStringLiteral("fileopen"), QStringLiteral("&Open"), [&files] { files.open(); });
    addItem(file, QStringLiteral("MnuSave"), QStringLiteral("&Save"), [&files] {
        files.save(SaveMode::Save);
    })->setEnabled(false);
    addItem(file, QStringLiteral("savefile"), QStringLiteral("Save &As"),
            [&files] { files.save(SaveMode::SaveAs); });
    addItem(file, QStringLiteral("MnuFonts"), QStringLiteral("Printer &Fonts"),
            models_.choosePrinterFont);
    addItem(file, QStringLiteral("mnuPrinter"), QStringLiteral("&Print"), models_.print);
    addLaterItem(file, QStringLiteral("MnDemonstration"), QStringLiteral("&Demonstration"));
    file->addSeparator()->setObjectName(QStringLiteral("dummy2"));
    addItem(file, QStringLiteral("exitfile"), QStringLiteral("E&xit"), models_.exit);
}

void MainMenus::createEditMenu() {
    QMenu* edit = addMenu(QStringLiteral("mEdit"), QStringLiteral("&Edit"));
    CellClipboard& clipboard = models_.clipboard;
    addItem(
        edit, QStringLiteral("mCut"), QStringLiteral("Cut"), [&clipboard] { clipboard.cut(); },
        QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(
        edit, QStringLiteral("mCopy"), QStringLiteral("Copy"), [&clipboard] { clipboard.copy(); },
        QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(
        edit, QStringLiteral("mPaste"), QStringLiteral("Paste"),
        [&clipboard] { clipboard.paste(); }, QKeySequence(Qt::CTRL | Qt::Key_V));
    addItem(
        edit, QStringLiteral("mDelete"), QStringLiteral("Delete"),
        [&clipboard] { clipboard.deleteMarked(); }, QKeySequence(Qt::Key_Delete));
}

void MainMenus::createViewsMenu() {
    QMenu* views = addMenu(QStringLiteral("mnViews"), QStringLiteral("&Views"));
    addItem(views, QStringLiteral("mnLogicGates"), QStringLiteral("&Logic Gates"),
            models_.showLogicGates);
    addItem(views, QStringLiteral("MnuMemory"), QStringLiteral("&Memory"),
            models_.showMemoryHardware);
    addLaterItem(views, QStringLiteral("mnFullMachine"), QStringLiteral("M&achine"));
}

void MainMenus::createOptionsMenu() {
    QMenu* options = addMenu(QStringLiteral("MnOptions"), QStringLiteral("&Options"));
    Zeb& zeb = models_.zeb;
    addToggle(options, QStringLiteral("MnHexadecimal"), QStringLiteral("&Hexadecimal"),
              [this] { models_.base.toggleHexadecimal(); });
    addToggle(options, QStringLiteral("mnDissassemble"), QStringLiteral("&Dissassemble"),
              [this] { models_.base.toggleMnemonics(); });
    addToggle(options, QStringLiteral("mnStatus"), QStringLiteral("Display &Status Register"),
              [this] { models_.shell.toggleStatusRegister(); });
    addToggle(options, QStringLiteral("MnStackPointer"),
              QStringLiteral("Display Stack &Pointer Register"),
              [this] { models_.shell.toggleStackPointer(); });
    addToggle(options, QStringLiteral("MnuInterrupts"), QStringLiteral("Display &Interrupts"),
              [&zeb] { zeb.stack().toggleInterruptDisplay(); });
    addToggle(options, QStringLiteral("MnuOutput"), QStringLiteral("Display &Output Device"),
              [&zeb] { zeb.devices().toggleOutputDevice(); });
    addItem(options, QStringLiteral("MnRefresh"), QStringLiteral("&Refresh Screen"), refresh_);
    addItem(options, QStringLiteral("MnPreferences"), QStringLiteral("P&references"),
            models_.showPreferences);
}

void MainMenus::createHelpMenu() {
    QMenu* help = addMenu(QStringLiteral("infocontrol"), QStringLiteral("&Help"));
    addLaterItem(help, QStringLiteral("MMGuide"), QStringLiteral("&Multimedia Guide"));
    addLaterItem(help, QStringLiteral("zebscreen"), QStringLiteral("&Contents"));
    addLaterItem(help, QStringLiteral("tutmenu"), QStringLiteral("&Search"));
    addLaterItem(help, QStringLiteral("Instruction"), QStringLiteral("&Help on Using Help"));
    addItem(help, QStringLiteral("aboutmenu"), QStringLiteral("&About"), models_.showAbout);
}

void MainMenus::showFlag(Flag flag, bool on) {
    for (const CheckedItem& c : kCheckedItems)
        if (c.flag == flag) actions_.value(QLatin1String(c.item))->setChecked(on);
    if (flag == Flag::MenusEnabled)
        for (QMenu* menu : menus_)
            menu->menuAction()->setEnabled(on);
    if (flag == Flag::SaveEnabled) actions_.value(QStringLiteral("MnuSave"))->setEnabled(on);
}

} // namespace zeb::views
