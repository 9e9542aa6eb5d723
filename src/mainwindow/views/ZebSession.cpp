#include "mainwindow/views/ZebSession.h"

#include "demo/HelpViewer.h"
#include "demo/views/DemonstrationWindow.h"
#include "machineview/views/MachineViewWindows.h"
#include "mainwindow/views/Form1.h"
#include "mainwindow/views/FrmAbout.h"
#include "mainwindow/views/FrmInput.h"
#include "mainwindow/views/FrmInterval.h"
#include "mainwindow/views/FrmKeyB.h"
#include "mainwindow/views/FrmOutput.h"
#include "mainwindow/views/FrmPref.h"
#include "teaching/views/LogicGatesWindow.h"
#include "teaching/views/MemoryHardwareWindow.h"
#include "ui/AlwaysOnTop.h"
#include "ui/CentreForm.h"
#include "ui/FileDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

namespace zeb::views {

namespace {
QString DirectoryOr(const QString& directory) {
    return directory.isEmpty() ? QCoreApplication::applicationDirPath() : directory;
}
} // namespace

ZebSession::ZebSession(SessionOptions options)
    : options_([&options] {
          options.programDirectory = DirectoryOr(options.programDirectory);
          return std::move(options);
      }()),
      sounds(options_.programDirectory) {
    zeb.run.setAssembler([this] { return assembler.assembleAll(); });
    form_ = std::make_unique<Form1>(
        Form1Models{zeb, editor, base, shell, files, clipboard, [this] { aboutmenu_Click(); },
                    [this] { print->MnuFonts_Click(); }, [this] { print->mnuPrinter_Click(); },
                    [this] { mnLogicGates_Click(); }, [this] { MnuMemory_Click(); },
                    [this] { MnPreferences_Click(); }});
    boxes.SetParent(form_.get());
    print = std::make_unique<PrintCommands>(zeb.machine, printerFont, form_.get());
    host.fileDialog = [this](FileDialog dialog, std::string_view filter) {
        return ui::chooseFile(form_.get(), dialog, filter);
    };
    about_ = new FrmAbout(form_.get());
    keyb_ = new FrmKeyB(zeb, form_.get());
    output_ = new FrmOutput(zeb, form_.get());
    input_ = new FrmInput(zeb.input, form_.get());
    interval_ = new FrmInterval(zeb.machine, form_.get());
    machineView_ = std::make_unique<machineview::views::MachineViewWindows>(
        machineview::views::MachineViewSetup{
            zeb, base, assembler, form_.get(), [this] { form_->RepaintMainScreen(); },
            [this] { interval_->exec(); },
            [this](QAbstractButton* button) {
                help_->attachHelpButton(button, help_keywords::kMachineSimulator);
            }});
    QAction* machineItem = form_->action(QStringLiteral("mnFullMachine"));
    machineItem->setEnabled(true);
    QObject::connect(machineItem, &QAction::triggered, machineItem,
                     [this] { machineView_->open(); });

    host.inputBox = [this]() -> std::optional<std::string> {
        if (shell.exiting()) return std::nullopt;
        // Nothing but the input window and the main window's close box
        // answers while a number is awaited.
        form_->BlockInput(true);
        keyb_->setEnabled(false);
        std::string text = input_->askNumber();
        keyb_->setEnabled(true);
        form_->BlockInput(false);
        // The window was closed because the program ends.
        if (shell.exiting()) return std::nullopt;
        return text;
    };
    host.onTop = [this](Window window, bool on) {
        if (window == Window::Demo)
            demoWindow_->setOnTop(on);
        else if (QWidget* w = WindowOf(window))
            ui::SetAlwaysOnTop(w, on);
    };

    // Help, and the guided demonstration, which filters the main window's clicks.
    demo::views::HelpOptions helpOptions = options_.help;
    if (helpOptions.programFolder.isEmpty()) helpOptions.programFolder = options_.programDirectory;
    if (!helpOptions.report)
        helpOptions.report = [this](const QString& text) {
            boxes.Show(Icon::Exclamation, Buttons::Ok, "ZEB", text.toStdString());
        };
    help_ = std::make_unique<demo::views::HelpAccess>(form_.get(), std::move(helpOptions));
    demonstration_ = std::make_unique<Demonstration>(zeb.machine, zeb.run, *help_);
    // A window of its own, not the main window's: while it is off the top
    // level during a run, the main window can come in front of it.
    demoWindow_ = std::make_unique<demo::views::DemonstrationWindow>(*demonstration_);
    demonstration_->setView(demoWindow_.get());
    host.clickFilter = [this](std::string_view control, int index) {
        return demonstration_->validClick(control, index);
    };
    auto item = [this](const char* name, std::function<void()> handler) {
        QAction* action = form_->action(QLatin1String(name));
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, form_.get(), std::move(handler));
    };
    item("MnDemonstration", [this] { demonstration_->start(); });
    item("MMGuide", [this] { help_->startGuide(); });
    item("zebscreen", [this] { help_->contents(); });
    item("tutmenu", [this] { help_->searchKeyword(help_keywords::kNoKeyword); });
    item("Instruction", [this] { help_->helpOnHelp(); });
}

ZebSession::~ZebSession() {
    machineView_.reset();
    // The device windows are the main window's children and go with it; the
    // help viewer goes first, before the help it shows.
    help_.reset();
    demoWindow_.reset();
    form_.reset();
}

QWidget* ZebSession::WindowOf(Window window) {
    switch (window) {
    case Window::Keyboard:
        return keyb_;
    case Window::Output:
        return output_;
    case Window::Demo:
        return nullptr;
    }
    return nullptr;
}

void ZebSession::Start() {
    shell.startUp();
    form_->show();
    form_->activateWindow();
    form_->setFocus();
}

void ZebSession::showAboutWithoutWaiting() {
    about_->adjustSize();
    ui::CentreForm(about_, 5, 5);
    about_->show();
}

void ZebSession::hideAbout() {
    about_->hide();
}

void ZebSession::setTitle(const std::string& title) {
    form_->setWindowTitle(QString::fromStdString(title));
}

void ZebSession::setMemoryFont() {
    form_->setMemoryFont();
}
void ZebSession::setPrinterFont() {
    printerFont = PrinterFont{};
    form_->setPrinterFont();
}
bool ZebSession::hasSoundCard() {
    return options_.probeSound && SoundPlayer::hasSoundCard();
}
std::string ZebSession::programDirectory() {
    return options_.programDirectory.toStdString();
}
void ZebSession::layOutMainWindow() {
    form_->layOutMainWindow();
}
void ZebSession::centreMainWindow(int vertical, int horizontal) {
    ui::CentreForm(form_.get(), vertical, horizontal);
}
void ZebSession::setSpeedSlider(int value) {
    form_->setSpeedSlider(value);
}

void ZebSession::unload(WindowId form) {
    switch (form) {
    case WindowId::About:
        about_->hide();
        break;
    case WindowId::Input:
        // Ends a modal wait of INP: the run sees the program ending.
        input_->reject();
        input_->hide();
        break;
    case WindowId::WaitInterval:
        interval_->hide();
        break;
    case WindowId::Keyboard:
        keyb_->hide();
        break;
    case WindowId::Output:
        output_->hide();
        break;
    case WindowId::Main:
        form_->hide();
        break;
    case WindowId::LogicGates:
        if (gates_) gates_->reject();
        break;
    case WindowId::MemoryHardware:
        if (mem_) mem_->reject();
        break;
    case WindowId::MachineView:
        machineView_->unloadView();
        break;
    case WindowId::ClockChart:
        machineView_->unloadClockChart();
        break;
    case WindowId::Preferences:
        if (pref_) pref_->reject();
        break;
    case WindowId::Demonstration:
        demoWindow_->hide();
        break;
    }
}

void ZebSession::quit() {
    // Nothing waits or asks any more; the run unwinds to the event loop,
    // which then ends.
    yield.setStopped(true);
    boxes.SetSilent(true);
    if (options_.quit)
        options_.quit();
    else
        QCoreApplication::quit();
}

void ZebSession::aboutmenu_Click() {
    about_->adjustSize();
    ui::CentreForm(about_, 5, 5);
    about_->exec();
    form_->RepaintMainScreen();
}

void ZebSession::mnLogicGates_Click() {
    if (!gates_) {
        gates_ = new teaching::views::LogicGatesWindow(form_.get(), zeb.preferences);
        help_->attachHelpButton(gates_->findChild<QPushButton*>(QStringLiteral("Command3")),
                                help_keywords::kLogicGates);
    }
    gates_->exec();
}

void ZebSession::MnPreferences_Click() {
    if (!pref_)
        pref_ = new FrmPref(
            zeb.preferences, [this] { form_->setMemoryFont(); }, form_.get());
    pref_->exec();
}

void ZebSession::MnuMemory_Click() {
    if (!mem_) {
        mem_ = new teaching::views::MemoryHardwareWindow(form_.get(), zeb.preferences);
        help_->attachHelpButton(mem_->findChild<QPushButton*>(QStringLiteral("Command3")),
                                help_keywords::kMemory);
    }
    mem_->exec();
}

} // namespace zeb::views
