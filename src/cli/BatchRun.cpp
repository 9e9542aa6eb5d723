#include "cli/BatchRun.h"

#include "core/Zeb.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "files/Listing.h"
#include "files/ProgramFiles.h"
#include "files/StdFileSystem.h"

#include <fstream>
#include <ostream>
#include <thread>

namespace zeb {

namespace {

std::string_view Trim(std::string_view text) {
    return TrimBlanks(text);
}

const char* EndName(RunEnd how) {
    switch (how) {
    case RunEnd::Halt:
        return "halt";
    case RunEnd::Error:
        return "error";
    case RunEnd::Load:
        return "load";
    case RunEnd::Limit:
        return "limit";
    case RunEnd::Input:
        return "input";
    }
    return "error";
}

} // namespace

BatchRun::BatchRun(const CliOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err) {}

Answer BatchRun::MessageBox(Icon, Buttons buttons, std::string_view title, std::string_view text) {
    ++messages_;
    outcome_.messages.emplace_back(text);
    out_ << "MSG " << title << '\t';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out_ << "\\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out_ << "\\n";
        } else {
            out_ << c;
        }
    }
    out_ << '\n';
    // Nobody is there to answer: OK where that is the only button, otherwise
    // Cancel, so no question can loop or overwrite anything.
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

void BatchRun::PauseYield(Clock::time_point until, Clock::time_point pauseEnd) {
    // No events here: sleep once to the end of the pause.
    if (Clock::now() < until) std::this_thread::sleep_until(pauseEnd);
}

std::optional<std::string> BatchRun::MyInputBox() {
    if (nextInput_ >= options_.inputs.size()) {
        inputExhausted_ = true;
        return std::nullopt;
    }
    return options_.inputs[nextInput_++];
}

void BatchRun::displayChanged(DisplayItem item, int index) {
    if (item == DisplayItem::PrinterLine && index == 1 && zeb_) {
        const std::string& line = zeb_->display.PrinterLine(1);
        outcome_.printed.push_back(line);
        out_ << "OUT " << line << '\n';
    }
}

void BatchRun::AfterInstruction(Zeb& zeb, int code) {
    if (inputExhausted_) return; // the INP that found no input did not complete
    ++steps_;
    if (code == 0 && !zeb.machine.ErrorFlag) halted_ = true;
    for (const KeyPress& key : options_.keys)
        if (key.step == steps_) zeb.stack.cmdKey_Click(key.index);
    if (steps_ >= options_.maxSteps && zeb.machine.Running) {
        limitReached_ = true;
        zeb.machine.Running = false;
    }
}

void BatchRun::WriteEnd(Zeb& zeb, RunEnd how) {
    outcome_.end = how;
    outcome_.steps = steps_;
    const Machine& m = zeb.machine;
    out_ << "END " << EndName(how) << " STEPS=" << steps_ << " ACC=" << Trim(m.Text(Register::Acc))
         << " PC=" << Trim(m.Text(Register::PC)) << " SP=" << Trim(m.Text(Register::SP))
         << " SR=" << Trim(m.Text(Register::Status)) << " INT=" << Trim(m.Text(Register::Interrupt))
         << '\n';
    out_.flush();
}

int BatchRun::Execute() {
    Zeb zeb(*this);
    zeb_ = &zeb;
    Machine& m = zeb.machine;
    Assembler assembler(m);
    BaseSwitch bases(m, assembler);
    StdFileSystem disk;
    ProgramFiles files(m, assembler, bases, disk);

    m.StartUp();
    zeb.pacing.SetEnabled(options_.speed.has_value());
    if (options_.speed) zeb.run.speed_Change(*options_.speed);
    if (options_.statusRegister) {
        zeb.display.set(Flag::StatusRegisterShown, true);
        zeb.display.set(Flag::StatusChecked, true);
    }
    if (options_.keyboard) zeb.stack.MnuInterrupts_Click();
    if (options_.base == 16) bases.ChangeBase(16);
    if (options_.mnemonics) assembler.DisAssemble();

    const long before = messages_;
    files.LoadFile(options_.program);
    if (messages_ != before || m.CurrentFileName != options_.program) {
        WriteEnd(zeb, RunEnd::Load);
        return static_cast<int>(RunEnd::Load);
    }

    // Loading empties the printer strip; only what the run prints is reported.
    zeb.observers.add(this);
    zeb.run.SetAssembler([&assembler] { return assembler.AssembleAll(); });
    zeb.run.SetAfterInstruction([this, &zeb](int code) { AfterInstruction(zeb, code); });
    zeb.run.runicon_Click();

    RunEnd how = RunEnd::Halt;
    if (inputExhausted_)
        how = RunEnd::Input;
    else if (m.ErrorFlag)
        how = RunEnd::Error;
    else if (halted_)
        how = RunEnd::Halt;
    else if (limitReached_)
        how = RunEnd::Limit;
    WriteEnd(zeb, how);

    if (!options_.save.empty() && !files.SaveWithoutPrompts(options_.save))
        err_ << "zeb-run: could not write " << options_.save << '\n';
    if (!options_.listing.empty()) {
        std::ofstream listing(options_.listing, std::ios::binary | std::ios::trunc);
        for (const std::string& line : Listing::Lines(m, Listing::Today()))
            listing << line << '\n';
        listing.flush();
        if (!listing) err_ << "zeb-run: could not write " << options_.listing << '\n';
    }
    return static_cast<int>(how);
}

} // namespace zeb
