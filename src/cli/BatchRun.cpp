#include "cli/BatchRun.h"

#include "cli/EscapedText.h"

#include "core/MachineSnapshot.h"
#include "core/Zeb.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "files/Listing.h"
#include "files/ProgramFileCommands.h"
#include "files/StdFileSystem.h"
#include "machineview/CycleTrace.h"

#include <algorithm>
#include <fstream>
#include <ostream>
#include <thread>

namespace zeb {

namespace {

std::string_view trim(std::string_view text) {
    return trimBlanks(text);
}

const char* endName(RunEnd how) {
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

std::string describe(const FileError& error) {
    return error.description.empty() ? "it could not be written" : error.description;
}

} // namespace

BatchRun::BatchRun(const CliOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), keys_(options.keys), out_(out), err_(err) {
    // Keys of one step keep the order they were given in.
    std::stable_sort(keys_.begin(), keys_.end(),
                     [](const KeyPress& a, const KeyPress& b) { return a.step < b.step; });
}

Answer BatchRun::messageBox(Icon, Buttons buttons, std::string_view title, std::string_view text) {
    ++messages_;
    outcome_.messages.emplace_back(text);
    out_ << "MSG " << escapedText(title) << '\t' << escapedText(text) << '\n';
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
    if (item == DisplayItem::PrinterLine && index == 1 && zeb_) {
        const std::string& line = zeb_->display().printerLine(1);
        if (outcome_.printed.size() < keepPrinted_) outcome_.printed.push_back(line);
        ++outcome_.printedLines;
        out_ << "OUT " << line << '\n';
    }
}

void BatchRun::afterInstruction(Zeb& zeb, Opcode op) {
    if (inputExhausted_) return; // the INP that found no input did not complete
    ++steps_;
    if (op == Opcode::Halt && !zeb.machine().runState().hasError()) halted_ = true;
    for (; nextKey_ < keys_.size() && keys_[nextKey_].step <= steps_; ++nextKey_)
        zeb.stack().pressKey(keys_[nextKey_].index);
    if (steps_ >= options_.maxSteps && zeb.machine().runState().running()) {
        limitReached_ = true;
        zeb.machine().runState().stopRun();
    }
}

std::optional<FileError> BatchRun::writeListing(FileSystem& disk, const Machine& m) {
    // Like a program file: the old listing stays until the new one is complete.
    FileError error;
    auto file = disk.openWrite(options_.listing, error);
    if (!file) return error;
    std::string text;
    for (const std::string& line : Listing::lines(m, Listing::today()))
        text += line + '\n';
    const bool written = file->write(text);
    if (file->close() && written) return std::nullopt;
    return FileError{0, file->failure()};
}

void BatchRun::writeEnd(Zeb& zeb, RunEnd how) {
    outcome_.end = how;
    outcome_.steps = steps_;
    const Machine& m = zeb.machine();
    out_ << "END " << endName(how) << " STEPS=" << steps_
         << " ACC=" << trim(m.registerText(Register::Acc))
         << " PC=" << trim(m.registerText(Register::PC))
         << " SP=" << trim(m.registerText(Register::SP))
         << " SR=" << trim(m.registerText(Register::Status))
         << " INT=" << trim(m.registerText(Register::Interrupt)) << '\n';
    out_.flush();
}

bool BatchRun::stepBackToStart(Zeb& zeb, const MachineSnapshot& start) {
    long steps = 0;
    while (!zeb.history().empty()) {
        zeb.run().back();
        ++steps;
    }
    const bool equal = MachineSnapshot::of(zeb.machine(), zeb.stack()) == start;
    out_ << "BACK steps=" << steps << " equal=" << (equal ? "yes" : "no") << '\n';
    return equal;
}

int BatchRun::execute() {
    Zeb zeb(*this);
    zeb_ = &zeb;
    Machine& m = zeb.machine();
    Assembler assembler(m);
    BaseSwitch bases(m, assembler);
    StdFileSystem disk;
    ProgramFileCommands files(m, assembler, bases, disk);

    m.startUp();
    // Nobody steps back here but the self-check: the history costs run time.
    zeb.history().setRecording(options_.backCheck.has_value());
    zeb.pacing().setEnabled(options_.speed.has_value());
    if (options_.speed) zeb.run().setSpeed(*options_.speed);
    if (options_.statusRegister) {
        zeb.display().set(Flag::StatusRegisterShown, true);
        zeb.display().set(Flag::StatusChecked, true);
    }
    if (options_.keyboard) zeb.stack().toggleInterruptDisplay();
    if (options_.base == 16) bases.changeBase(NumberBase::Hexadecimal);
    if (options_.mnemonics) assembler.disassembleAll();

    // A missing file is no question here: there is nobody to create it for.
    if (!disk.exists(options_.program)) {
        const std::string message = "The file " + options_.program + " does not exist.";
        outcome_.messages.push_back(message);
        err_ << "zeb-run: " << message << '\n';
        writeEnd(zeb, RunEnd::Load);
        return static_cast<int>(RunEnd::Load);
    }
    const long before = messages_;
    files.load(options_.program);
    if (messages_ != before || m.view().currentFileName() != options_.program) {
        writeEnd(zeb, RunEnd::Load);
        return static_cast<int>(RunEnd::Load);
    }

    // Loading empties the printer strip; only what the run prints is reported.
    zeb.observers().add(this);
    zeb.run().setAssembler([&assembler] { return assembler.assembleAll(); });
    zeb.run().setAfterInstruction([this, &zeb](Opcode op) { afterInstruction(zeb, op); });
    std::optional<machineview::CycleTrace> trace;
    if (options_.cycles) trace.emplace(zeb, bases, assembler, out_);
    // The start Back must come back to: after the assembling a run does first.
    std::optional<MachineSnapshot> start;
    if (options_.backCheck) {
        if (m.view().mnemonicsShown()) assembler.assembleAll();
        start = MachineSnapshot::of(m, zeb.stack());
    }
    zeb.run().run();

    RunEnd how = RunEnd::Halt;
    if (inputExhausted_)
        how = RunEnd::Input;
    else if (m.runState().hasError())
        how = RunEnd::Error;
    else if (halted_)
        how = RunEnd::Halt;
    else if (limitReached_)
        how = RunEnd::Limit;
    writeEnd(zeb, how);
    if (start) how = stepBackToStart(zeb, *start) ? RunEnd::Halt : RunEnd::Error;

    bool written = true;
    if (!options_.save.empty())
        if (const auto error = files.saveWithoutPrompts(options_.save)) {
            err_ << "zeb-run: could not write " << options_.save << ": " << describe(*error)
                 << '\n';
            written = false;
        }
    if (!options_.listing.empty())
        if (const auto error = writeListing(disk, m)) {
            err_ << "zeb-run: could not write " << options_.listing << ": " << describe(*error)
                 << '\n';
            written = false;
        }
    out_.flush();
    if (!out_) {
        err_ << "zeb-run: could not write the output\n";
        written = false;
    }
    return written ? static_cast<int>(how) : kOutputFailed;
}

} // namespace zeb
