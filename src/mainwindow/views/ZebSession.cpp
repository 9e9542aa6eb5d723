#include "mainwindow/views/ZebSession.h"

#include "core/views/FileDialogs.h"
#include "demo/views/DemonstrationWindow.h"
#include "machineview/views/MachineViewWindows.h"
#include "mainwindow/views/MainWindow.h"
#include "mainwindow/views/WaitIntervalDialog.h"
#include "ui/CentreForm.h"
#include "ui/QuietAccessibility.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    zeb_.run().setAssembler([this] { return assembler_.assembleAll(); });
}

void ZebSession::createWindows() {
    mainWindow_ = std::make_unique<MainWindow>(MainWindowModels{
        zeb_, editor_, base_, shell_, files_, clipboard_, [this] { showAbout(); },
        [this] { print_->choosePrinterFont(); }, [this] { print_->print(); },
        [this] { dialogs_->showLogicGates(); }, [this] { dialogs_->showMemoryHardware(); },
        [this] { dialogs_->showPreferences(); }, [this] { exit(); }});
    MainWindow* main = mainWindow_.get();
    boxes_.setParent(main);
    print_ = std::make_unique<PrintCommands>(zeb_.machine(), printerFont_, main);
    host_.fileDialog = [main](FileDialog dialog, std::string_view filter) {
        return core::views::chooseFile(main, dialog, filter);
    };
    startUpScreen_->setOwner(main);
    QObject::connect(main, &MainWindow::firstPainted, main,
                     [this] { startUpScreen_->mainWindowPainted(); });
    devices_ = std::make_unique<DeviceWindows>(zeb_, *main, [this] { return shell_.exiting(); });
    host_.inputBox = [this] { return devices_->askNumber(); };
    learning_ = std::make_unique<LearningWindows>(
        LearningSetup{zeb_, base_, assembler_, *main, [this] { devices_->waitInterval().exec(); },
                      helpOptions()});
    // The demonstration filters the student's commands.
    zeb_.host().provide(learning_->demonstration());
    host_.onTop = [this](Window window, bool on) {
        if (window == Window::Demo) learning_->demonstrationWindow().setOnTop(on);
        devices_->setOnTop(window, on);
    };
    dialogs_ = std::make_unique<MenuDialogs>(
        zeb_.preferences(), main, [this] { mainWindow_->setMemoryFont(); }, learning_->help(),
        [this](const QString& text) {
            boxes_.show(Icon::Exclamation, Buttons::Ok, "ZEB", text.toStdString());
        });
}

help::views::HelpOptions ZebSession::helpOptions() {
    help::views::HelpOptions help = options_.help;
    if (help.programFolder.isEmpty()) help.programFolder = options_.programDirectory;
    if (!help.report)
        help.report = [this](const QString& text) {
            boxes_.show(Icon::Exclamation, Buttons::Ok, "ZEB", text.toStdString());
        };
    return help;
}

ZebSession::~ZebSession() {
    dialogs_.reset();
    learning_.reset();
    devices_.reset();
    // The other windows are the main window's children and go with it.
    mainWindow_.reset();
}

void ZebSession::start() {
    // The start-up screen is up while the windows are made.
    startUpScreen_->show();
    yield_.processEvents();
    {
        const ui::QuietAccessibility quiet;
        createWindows();
        shell_.startUp();
        mainWindow_->show();
    }
    mainWindow_->activateWindow();
    mainWindow_->setFocus();
}

void ZebSession::openProgramFile(const QString& path) {
    // The name is remembered for File > Save as the open dialog would give it.
    files_.load(QFileInfo(path).absoluteFilePath().toStdString());
}

void ZebSession::showAboutWithoutWaiting() {
    startUpScreen_->show();
}

void ZebSession::hideAbout() {
    startUpScreen_->hideWhenDone();
}

void ZebSession::setTitle(const std::string& title) {
    mainWindow_->setWindowTitle(QString::fromStdString(title));
}

void ZebSession::setMemoryFont() {
    mainWindow_->setMemoryFont();
}
void ZebSession::setPrinterFont() {
    printerFont_ = kListingFontAtStartUp;
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
    case WindowId::Input:
    case WindowId::WaitInterval:
    case WindowId::Keyboard:
    case WindowId::Output:
        devices_->unload(window);
        break;
    case WindowId::LogicGates:
    case WindowId::MemoryHardware:
    case WindowId::Preferences:
        dialogs_->unload(window);
        break;
    case WindowId::About:
        startUpScreen_->unload();
        break;
    case WindowId::Main:
        mainWindow_->hide();
        break;
    case WindowId::MachineView:
        learning_->machineView().unloadView();
        break;
    case WindowId::ClockChart:
        learning_->machineView().unloadClockChart();
        break;
    case WindowId::Demonstration:
        learning_->hideDemonstrationWindow();
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
    startUpScreen_->showAbout();
    mainWindow_->repaintAll();
}

} // namespace zeb::views
