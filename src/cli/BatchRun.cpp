#include "cli/BatchRun.h"

#include "core/Zeb.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "files/Listing.h"
#include "files/ProgramFileCommands.h"
#include "files/StdFileSystem.h"
#include "machineview/CycleTrace.h"

#include <fstream>
#include <ostream>
#include <thread>

namespace zeb {

namespace {

std::string_view Trim(std::string_view text) {
    return trimBlanks(text);
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

Answer BatchRun::messageBox(Icon, Buttons buttons, std::string_view title, std::string_view text) {
    ++messages_;
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

void BatchRun::pause(Clock::duration duration) {
    // No events here: just the time.
    std::this_thread::sleep_for(duration);
}

std::optional<std::string> BatchRun::askNumber() {
    if (nextInput_ >= options_.inputs.size()) {
        inputExhausted_ = true;
        return std::nullopt;
    }
    return options_.inputs[nextInput_++];
}

void BatchRun::displayChanged(DisplayItem item, int index) {
    if (item == DisplayItem::PrinterLine && index == 1 && zeb_)
        out_ << "OUT " << zeb_->display.printerLine(1) << '\n';
}

void BatchRun::AfterInstruction(Zeb& zeb, Opcode op) {
    if (inputExhausted_) return; // the INP that found no input did not complete
    ++steps_;
    if (op == Opcode::Halt && !zeb.machine.hasError()) halted_ = true;
    for (const KeyPress& key : options_.keys)
        if (key.step == steps_) zeb.stack.pressKey(key.index);
    if (steps_ >= options_.maxSteps && zeb.machine.running()) {
        limitReached_ = true;
        zeb.machine.stopRun();
    }
}

void BatchRun::WriteEnd(Zeb& zeb, RunEnd how) {
    const Machine& m = zeb.machine;
    out_ << "END " << EndName(how) << " STEPS=" << steps_
         << " ACC=" << Trim(m.registerText(Register::Acc))
         << " PC=" << Trim(m.registerText(Register::PC))
         << " SP=" << Trim(m.registerText(Register::SP))
         << " SR=" << Trim(m.registerText(Register::Status))
         << " INT=" << Trim(m.registerText(Register::Interrupt)) << '\n';
    out_.flush();
}

int BatchRun::Execute() {
    Zeb zeb(*this);
    zeb_ = &zeb;
    Machine& m = zeb.machine;
    Assembler assembler(m);
    BaseSwitch bases(m, assembler);
    StdFileSystem disk;
    ProgramFileCommands files(m, assembler, bases, disk);

    m.startUp();
    zeb.pacing.setEnabled(options_.speed.has_value());
    if (options_.speed) zeb.run.setSpeed(*options_.speed);
    if (options_.statusRegister) {
        zeb.display.set(Flag::StatusRegisterShown, true);
        zeb.display.set(Flag::StatusChecked, true);
    }
    if (options_.keyboard) zeb.stack.toggleInterruptDisplay();
    if (options_.base == 16) bases.changeBase(NumberBase::Hexadecimal);
    if (options_.mnemonics) assembler.disassembleAll();

    const long before = messages_;
    files.load(options_.program);
    if (messages_ != before || m.currentFileName() != options_.program) {
        WriteEnd(zeb, RunEnd::Load);
        return static_cast<int>(RunEnd::Load);
    }

    // Loading empties the printer strip; only what the run prints is reported.
    zeb.observers.add(this);
    zeb.run.setAssembler([&assembler] { return assembler.assembleAll(); });
    zeb.run.setAfterInstruction([this, &zeb](Opcode op) { AfterInstruction(zeb, op); });
    std::optional<machineview::CycleTrace> trace;
    if (options_.cycles) trace.emplace(zeb, bases, assembler, out_);
    zeb.run.run();

    RunEnd how = RunEnd::Halt;
    if (inputExhausted_)
        how = RunEnd::Input;
    else if (m.hasError())
        how = RunEnd::Error;
    else if (halted_)
        how = RunEnd::Halt;
    else if (limitReached_)
        how = RunEnd::Limit;
    WriteEnd(zeb, how);

    if (!options_.save.empty() && files.saveWithoutPrompts(options_.save))
        err_ << "zeb-run: could not write " << options_.save << '\n';
    if (!options_.listing.empty()) {
        std::ofstream listing(options_.listing, std::ios::binary | std::ios::trunc);
        for (const std::string& line : Listing::lines(m, Listing::today()))
            listing << line << '\n';
        listing.flush();
        if (!listing) err_ << "zeb-run: could not write " << options_.listing << '\n';
    }
    return static_cast<int>(how);
}

} // namespace zeb
