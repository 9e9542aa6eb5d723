#include "mainwindow/views/ZebSession.h"

#include "mainwindow/views/Form1.h"
#include "mainwindow/views/FrmAbout.h"
#include "mainwindow/views/FrmInput.h"
#include "mainwindow/views/FrmInterval.h"
#include "mainwindow/views/FrmKeyB.h"
#include "mainwindow/views/FrmOutput.h"
#include "mainwindow/views/FrmPref.h"
#include "teaching/views/FrmGates.h"
#include "teaching/views/FrmMem.h"
#include "ui/AlwaysOnTop.h"
#include "ui/CentreForm.h"
#include "ui/FileDialogs.h"

#include <QCoreApplication>

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
    zeb.run.SetAssembler([this] { return assembler.AssembleAll(); });
    form_ = std::make_unique<Form1>(
        Form1Models{zeb, editor, base, shell, files, clipboard, [this] { aboutmenu_Click(); },
                    [this] { print->MnuFonts_Click(); }, [this] { print->mnuPrinter_Click(); },
                    [this] { mnLogicGates_Click(); }, [this] { MnuMemory_Click(); },
                    [this] { MnPreferences_Click(); }});
    boxes.SetParent(form_.get());
    print = std::make_unique<PrintCommands>(zeb.machine, printerFont, form_.get());
    host.fileDialog = [this](int action, std::string_view filter) {
        return ui::GetFileFromCommonDialog(form_.get(), action, filter);
    };
    about_ = new FrmAbout(form_.get());
    keyb_ = new FrmKeyB(zeb, form_.get());
    output_ = new FrmOutput(zeb, form_.get());
    input_ = new FrmInput(zeb.input, form_.get());
    interval_ = new FrmInterval(zeb.machine.WaitInterval, form_.get());

    host.inputBox = [this]() -> std::optional<std::string> {
        if (shell.Exiting()) return std::nullopt;
        // Nothing but the input window and the main window's close box
        // answers while a number is awaited.
        form_->BlockInput(true);
        keyb_->setEnabled(false);
        std::string text = input_->MyInputBox();
        keyb_->setEnabled(true);
        form_->BlockInput(false);
        // The window was closed because the program ends.
        if (shell.Exiting()) return std::nullopt;
        return text;
    };
    host.onTop = [this](Window window, bool on) {
        if (QWidget* w = WindowOf(window)) ui::SetAlwaysOnTop(w, on);
    };
}

ZebSession::~ZebSession() {
    // The device windows are the main window's children and go with it.
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
    shell.Form_Load();
    form_->show();
    form_->activateWindow();
    form_->setFocus();
}

void ZebSession::ShowAboutWithoutWaiting() {
    about_->adjustSize();
    ui::CentreForm(about_, 5, 5);
    about_->show();
}

void ZebSession::HideAbout() {
    about_->hide();
}

void ZebSession::SetTitle(const std::string& title) {
    form_->setWindowTitle(QString::fromStdString(title));
}

void ZebSession::SetMemoryFont() {
    form_->SetMemoryFont();
}
void ZebSession::SetPrinterFont() {
    printerFont = PrinterFont{};
    form_->SetPrinterFont();
}
bool ZebSession::HasSoundCard() {
    return options_.probeSound && SoundPlayer::HasSoundCard();
}
std::string ZebSession::ProgramDirectory() {
    return options_.programDirectory.toStdString();
}
void ZebSession::SetHeights() {
    form_->SetHeights();
}
void ZebSession::CentreMainForm(int vertical, int horizontal) {
    ui::CentreForm(form_.get(), vertical, horizontal);
}
void ZebSession::SetSpeedSlider(int value) {
    form_->SetSpeedSlider(value);
}

void ZebSession::Unload(FormName form) {
    switch (form) {
    case FormName::About:
        about_->hide();
        break;
    case FormName::FrmInput:
        // Ends a modal wait of INP: the run sees the program ending.
        input_->reject();
        input_->hide();
        break;
    case FormName::FrmInterval:
        interval_->hide();
        break;
    case FormName::FrmKeyB:
        keyb_->hide();
        break;
    case FormName::FrmOutput:
        output_->hide();
        break;
    case FormName::Form1:
        form_->hide();
        break;
    case FormName::FrmGates:
        if (gates_) gates_->reject();
        break;
    case FormName::FrmMem:
        if (mem_) mem_->reject();
        break;
    case FormName::FrmBit:
    case FormName::FrmClock:
    case FormName::FrmPref:
        if (pref_) pref_->reject();
        break;
    case FormName::FrmDemo:
        // Built with their own views.
        break;
    }
}

void ZebSession::Quit() {
    // Nothing waits or asks any more; the run unwinds to the event loop,
    // which then ends.
    yield.SetStopped(true);
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
    if (!gates_) gates_ = new teaching::views::FrmGates(form_.get(), zeb.preferences);
    gates_->exec();
}

void ZebSession::MnPreferences_Click() {
    if (!pref_)
        pref_ = new FrmPref(
            zeb.preferences, [this] { form_->SetMemoryFont(); }, form_.get());
    pref_->exec();
}

void ZebSession::MnuMemory_Click() {
    if (!mem_) mem_ = new teaching::views::FrmMem(form_.get(), zeb.preferences);
    mem_->exec();
}

} // namespace zeb::views
