#include "mainwindow/views/ZebSession.h"

#include "demo/views/DemonstrationWindow.h"
#include "help/HelpViewer.h"
#include "machineview/views/MachineViewWindows.h"
#include "mainwindow/views/AboutWindow.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/MainWindow.h"
#include "mainwindow/views/OutputWindow.h"
#include "mainwindow/views/PreferencesDialog.h"
#include "mainwindow/views/WaitIntervalDialog.h"
#include "teaching/views/LogicGatesWindow.h"
#include "teaching/views/MemoryHardwareWindow.h"
#include "ui/AlwaysOnTop.h"
#include "ui/CentreForm.h"
#include "ui/FileDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>

namespace zeb::views {

namespace {

SessionOptions withDefaults(SessionOptions options) {
    if (options.programDirectory.isEmpty())
        options.programDirectory = QCoreApplication::applicationDirPath();
    if (options.dataDirectories.isEmpty())
        options.dataDirectories = {
            options.programDirectory,
            QDir(options.programDirectory).absoluteFilePath(QStringLiteral("../share/zeb"))};
    return options;
}

} // namespace

ZebSession::ZebSession(SessionOptions options)
    : options_(withDefaults(std::move(options))),
      sounds_(options_.dataDirectories, options_.probeSound) {
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, sessionSettings_.path());
    zeb_.run.setAssembler([this] { return assembler_.assembleAll(); });
    mainWindow_ = std::make_unique<MainWindow>(
        MainWindowModels{zeb_, editor_, base_, shell_, files_, clipboard_, [this] { showAbout(); },
                         [this] { print_->choosePrinterFont(); }, [this] { print_->print(); },
                         [this] { showLogicGates(); }, [this] { showMemoryHardware(); },
                         [this] { showPreferences(); }, [this] { exit(); }});
    MainWindow* main = mainWindow_.get();
    boxes_.setParent(main);
    print_ = std::make_unique<PrintCommands>(zeb_.machine, printerFont_, main);
    host_.fileDialog = [main](FileDialog dialog, std::string_view filter) {
        return ui::chooseFile(main, dialog, filter);
    };
    aboutWindow_ = new AboutWindow(main);
    keyboardWindow_ = new KeyboardWindow(zeb_, main);
    outputWindow_ = new OutputWindow(zeb_, main);
    inputWindow_ = new InputWindow(zeb_.input, main);
    waitIntervalDialog_ = new WaitIntervalDialog(zeb_.machine, main);
    keyboardWindow_->keepClear = [this] { return keepClearOfDeviceWindows(keyboardWindow_); };
    outputWindow_->keepClear = [this] { return keepClearOfDeviceWindows(outputWindow_); };
    main->addRunKeysTo(keyboardWindow_);
    main->addRunKeysTo(outputWindow_);
    QObject::connect(main, &MainWindow::firstPainted, main, [this] {
        mainWindowPainted_ = true;
        endStartUpScreen();
    });

    host_.inputBox = [this]() -> std::optional<std::string> {
        if (shell_.exiting()) return std::nullopt;
        // Nothing but the input window and the main window's close box
        // answers while a number is awaited.
        mainWindow_->blockInput(true);
        keyboardWindow_->setEnabled(false);
        std::string text = inputWindow_->askNumber();
        keyboardWindow_->setEnabled(true);
        mainWindow_->blockInput(false);
        // The window was closed because the program ends.
        if (shell_.exiting()) return std::nullopt;
        return text;
    };
    createTeachingViews();
    host_.onTop = [this](Window window, bool on) {
        if (window == Window::Demo)
            demoWindow_->setOnTop(on);
        else if (QWidget* w = windowOf(window))
            ui::setAlwaysOnTop(w, on);
        // The window that takes the student's typing stays above them.
        if (inputWindow_->isVisible()) inputWindow_->raise();
    };
}

void ZebSession::createTeachingViews() {
    MainWindow* main = mainWindow_.get();
    machineView_ = std::make_unique<machineview::views::MachineViewWindows>(
        machineview::views::MachineViewSetup{
            zeb_, base_, assembler_, main,
            [this](bool blocked) { mainWindow_->blockInput(blocked); },
            [this] { mainWindow_->repaintAll(); }, [this] { waitIntervalDialog_->exec(); },
            [this](QAbstractButton* button) {
                help_->attachHelpButton(button, help_keywords::kMachineSimulator);
            }});

    help::views::HelpOptions helpOptions = options_.help;
    if (helpOptions.programFolder.isEmpty()) helpOptions.programFolder = options_.programDirectory;
    if (!helpOptions.report)
        helpOptions.report = [this](const QString& text) {
            boxes_.show(Icon::Exclamation, Buttons::Ok, "ZEB", text.toStdString());
        };
    help_ = std::make_unique<help::views::HelpAccess>(main, std::move(helpOptions));
    demonstration_ = std::make_unique<Demonstration>(zeb_.machine, zeb_.run, *help_);
    // A window of its own, not the main window's: while it is off the top
    // level during a run, the main window can come in front of it.
    demoWindow_ = std::make_unique<demo::views::DemonstrationWindow>(*demonstration_);
    demonstration_->setView(demoWindow_.get());
    demoWindow_->controlArea = [this](const std::string& control, int index) {
        return demonstrationControlArea(control, index);
    };
    // The demonstration filters the main window's clicks.
    host_.clickFilter = [this](std::string_view control, int index) {
        return demonstration_->validClick(control, index);
    };

    auto item = [main](const char* name, std::function<void()> handler) {
        QAction* action = main->action(QLatin1String(name));
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, main, std::move(handler));
    };
    item("mnFullMachine", [this] { machineView_->open(); });
    item("MnDemonstration", [this] { demonstration_->start(); });
    item("MMGuide", [this] { help_->startGuide(); });
    item("zebscreen", [this] { help_->contents(); });
    item("tutmenu", [this] { help_->searchKeyword(help_keywords::kNoKeyword); });
    item("Instruction", [this] { help_->helpOnHelp(); });
}

ZebSession::~ZebSession() {
    machineView_.reset();
    // The help viewer goes before the help it shows; the other windows are
    // the main window's children and go with it.
    help_.reset();
    demoWindow_.reset();
    mainWindow_.reset();
}

QWidget* ZebSession::windowOf(Window window) {
    switch (window) {
    case Window::Keyboard:
        return keyboardWindow_;
    case Window::Output:
        return outputWindow_;
    case Window::Demo:
        return nullptr;
    }
    return nullptr;
}

QList<QRect> ZebSession::demonstrationControlArea(const std::string& control, int index) {
    const QString name = QString::fromStdString(control).toLower();
    // The script's names are the controls' names without their index.
    QString objectName = name;
    if (name == QLatin1String("operator"))
        objectName = QStringLiteral("Operator_%1").arg(index);
    else if (name == QLatin1String("operand"))
        objectName = QStringLiteral("Operand_%1").arg(index);
    else if (name == QLatin1String("pads"))
        objectName = QStringLiteral("pads_%1").arg(index);
    const QWidget* w = mainWindow_->findChild<QWidget*>(objectName);
    if (!w || !mainWindow_->isVisible()) return {};
    QList<QRect> area{QRect(w->mapToGlobal(QPoint(0, 0)), w->size())};
    // Resetting the PC and running are watched on the registers.
    if (name == QLatin1String("pciconl") || name == QLatin1String("runicon"))
        area.append(mainWindow_->registerRects());
    return area;
}

KeepClear ZebSession::keepClearOfDeviceWindows(const QWidget* placed) {
    KeepClear keep;
    keep.mustShow = mainWindow_->keepClearRects();
    // A window not shown yet is taken to get a frame like the main window's.
    const QRect outer = mainWindow_->frameGeometry(), inner = mainWindow_->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    keep.mustShow.append(inputWindow_->displayArea(frame));
    // The registers and the program where it runs, then the other windows.
    keep.betterShown.append(mainWindow_->registerRects());
    keep.betterShown.append(mainWindow_->rowsAroundProgramCounter());
    keep.ifRoom.append(inputWindow_->frameArea(frame));
    // Of each other: the Keyboard window, the larger, takes its place first,
    // shown or not, and the Output window keeps clear of it.
    if (placed == outputWindow_) keyboardWindow_->placeOnce();
    for (QWidget* other :
         {static_cast<QWidget*>(keyboardWindow_), static_cast<QWidget*>(outputWindow_)}) {
        if (other == placed) continue;
        if (other->isVisible())
            keep.ifRoom.append(other->frameGeometry());
        else if (other == keyboardWindow_ ? keyboardWindow_->placed() : outputWindow_->placed())
            keep.ifRoom.append(other->geometry().marginsAdded(frame));
    }
    // Beside the main window rather than on it.
    keep.ifMuchRoom.append(mainWindow_->frameGeometry());
    return keep;
}

void ZebSession::start() {
    shell_.startUp();
    mainWindow_->show();
    mainWindow_->activateWindow();
    mainWindow_->setFocus();
}

void ZebSession::openProgramFile(const QString& path) {
    // The name is remembered for File > Save as the open dialog would give it.
    files_.load(QFileInfo(path).absoluteFilePath().toStdString());
}

void ZebSession::showAboutWithoutWaiting() {
    aboutWindow_->placeCentred();
    // A start-up screen: above the main window that comes up under it, which
    // keeps the keyboard all the same.
    aboutWindow_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    aboutWindow_->setAttribute(Qt::WA_ShowWithoutActivating, true);
    aboutWindow_->show();
    aboutWindow_->setAttribute(Qt::WA_ShowWithoutActivating, false);
    startUpScreen_ = true;
    aboutTimer_.start(kAboutAtStartUp, [this] { endStartUpScreen(); });
}

void ZebSession::hideAbout() {
    aboutHideRequested_ = true;
    endStartUpScreen();
}

void ZebSession::endStartUpScreen() {
    if (!startUpScreen_ || !aboutHideRequested_ || aboutTimer_.isActive() || !mainWindowPainted_)
        return;
    startUpScreen_ = false;
    aboutWindow_->hide();
    aboutWindow_->setWindowFlag(Qt::WindowStaysOnTopHint, false);
}

void ZebSession::setTitle(const std::string& title) {
    mainWindow_->setWindowTitle(QString::fromStdString(title));
}

void ZebSession::setMemoryFont() {
    mainWindow_->setMemoryFont();
}
void ZebSession::setPrinterFont() {
    printerFont_ = PrinterFont{};
    mainWindow_->setPrinterFont();
}
bool ZebSession::hasSoundCard() {
    // The player asks the platform at the first sound and stays silent
    // without an output.
    return options_.probeSound;
}
std::string ZebSession::programDirectory() {
    return options_.programDirectory.toStdString();
}
void ZebSession::layOutMainWindow() {
    mainWindow_->layOut();
}
void ZebSession::centreMainWindow(int vertical, int horizontal) {
    ui::centreForm(mainWindow_.get(), vertical, horizontal);
}
void ZebSession::setSpeedSlider(int value) {
    mainWindow_->setSpeedSlider(value);
}

void ZebSession::unload(WindowId window) {
    switch (window) {
    case WindowId::About:
        startUpScreen_ = false;
        aboutTimer_.stop();
        aboutWindow_->hide();
        break;
    case WindowId::Input:
        // Ends a modal wait of INP: the run sees the program ending.
        inputWindow_->reject();
        inputWindow_->hide();
        break;
    case WindowId::WaitInterval:
        waitIntervalDialog_->hide();
        break;
    case WindowId::Keyboard:
        keyboardWindow_->hide();
        break;
    case WindowId::Output:
        outputWindow_->hide();
        break;
    case WindowId::Main:
        mainWindow_->hide();
        break;
    case WindowId::LogicGates:
        if (logicGatesWindow_) logicGatesWindow_->reject();
        break;
    case WindowId::MemoryHardware:
        if (memoryHardwareWindow_) memoryHardwareWindow_->reject();
        break;
    case WindowId::Preferences:
        if (preferencesDialog_) preferencesDialog_->reject();
        break;
    case WindowId::MachineView:
        machineView_->unloadView();
        break;
    case WindowId::ClockChart:
        machineView_->unloadClockChart();
        break;
    case WindowId::Demonstration:
        demoWindow_->hide();
        break;
    }
}

void ZebSession::exit() {
    // First of all nothing waits any more, so that a pause or a wait under
    // way ends now rather than when its time is up.
    yield_.setStopped(true);
    boxes_.setSilent(true);
    shell_.exitProgram();
}

void ZebSession::quit() {
    // The run unwinds to the event loop, which then ends.
    yield_.setStopped(true);
    boxes_.setSilent(true);
    if (options_.quit)
        options_.quit();
    else
        QCoreApplication::quit();
}

void ZebSession::showAbout() {
    if (startUpScreen_) {
        startUpScreen_ = false;
        aboutTimer_.stop();
        aboutWindow_->hide();
        aboutWindow_->setWindowFlag(Qt::WindowStaysOnTopHint, false);
    }
    aboutWindow_->placeCentred();
    aboutWindow_->exec();
    mainWindow_->repaintAll();
}

void ZebSession::showLogicGates() {
    if (!logicGatesWindow_) {
        logicGatesWindow_ =
            new teaching::views::LogicGatesWindow(mainWindow_.get(), zeb_.preferences);
        help_->attachHelpButton(
            logicGatesWindow_->findChild<QPushButton*>(QStringLiteral("Command3")),
            help_keywords::kLogicGates);
    }
    logicGatesWindow_->exec();
}

void ZebSession::showMemoryHardware() {
    if (!memoryHardwareWindow_) {
        memoryHardwareWindow_ =
            new teaching::views::MemoryHardwareWindow(mainWindow_.get(), zeb_.preferences);
        help_->attachHelpButton(
            memoryHardwareWindow_->findChild<QPushButton*>(QStringLiteral("Command3")),
            help_keywords::kMemory);
    }
    memoryHardwareWindow_->exec();
}

void ZebSession::showPreferences() {
    if (!preferencesDialog_)
        preferencesDialog_ = new PreferencesDialog(
            zeb_.preferences, [this] { mainWindow_->setMemoryFont(); }, mainWindow_.get());
    preferencesDialog_->exec();
}

} // namespace zeb::views
