#include "machineview/MachineViewModel.h"

#include "core/Words.h"
#include "machineview/MicroOpSteps.h"

#include <utility>

namespace zeb::machineview {

MachineViewModel::MachineViewModel(Zeb& zeb)
    : zeb_(zeb), m_(zeb.machine()), display_(zeb.preferences()),
      paths_(display_, zeb.pacing(), zeb.preferences()), wait_(zeb.machine(), display_) {
    chart_.setOnChange(
        [this] { display_.notify([](MachineViewObserver& o) { o.clockChartChanged(); }); });
    m_.setMicroOpListener(this);
}

MachineViewModel::~MachineViewModel() {
    if (m_.microOpListener() == this) m_.setMicroOpListener(nullptr);
}

// ---- Opening and the memory table -------------------------------------------

void MachineViewModel::open() {
    display_.setText(ViewField::Status, "");
    display_.setEnabled(ViewControl::StopButton, false);
    display_.setEnabled(ViewControl::ContinueButton, false);
    display_.setEnabled(ViewControl::RunButton, true);
    display_.setEnabled(ViewControl::BackButton, !zeb_.history().empty());
    // The General Purpose, Stack Pointer and Jump gateways keep whatever the
    // student left them at.
    for (Gateway g : {Gateway::ProgramCounter, Gateway::AddressDecoder, Gateway::InstructionOperand,
                      Gateway::Accumulator, Gateway::LoadStore})
        display_.setOpen(g, false);
    m_.view().setViewMode(ViewMode::MachineView);
    for (ViewField f :
         {ViewField::InstructionRegister, ViewField::OperandRegister, ViewField::ProgramCounter,
          ViewField::Accumulator, ViewField::GeneralPurpose})
        display_.setText(f, "0");
    display_.setText(ViewField::AddressDecoder, "");
    display_.setText(ViewField::Explanation, std::string(kInitialising));
    copyMemory();
    highlightMemoryCell(0);
}

void MachineViewModel::copyMemory() {
    display_.setAddressColumnWidth(400);
    bool usesStack = false;
    for (int n = 0; n < kGridRows; ++n) {
        display_.setGridText(n, 0, signedText(n));
        display_.setGridText(n, 1, m_.operatorText(n));
        display_.setGridText(n, 2, m_.operandText(n));
        if (m_.operatorText(n) == "19" || m_.operatorText(n) == "20") usesStack = true;
    }
    if (usesStack) display_.setText(ViewField::StackPointer, "64");
    for (int wire : {39, 42, 43, 44})
        display_.setWireVisible(wire, usesStack);
    display_.setStackPartsShown(usesStack);
}

void MachineViewModel::highlightMemoryCell(int address) {
    if (legalAddress(address)) display_.selectRow(address);
}

std::optional<int> MachineViewModel::decoderAddress() const {
    const auto a = display_.number(ViewField::AddressDecoder);
    if (a && legalAddress(*a)) return *a;
    return std::nullopt;
}

void MachineViewModel::lightDecoderWire(bool lit) {
    display_.setWireColour(kDecoderToMemoryWire, lit ? kDecoderWireColour : kBlack);
}

void MachineViewModel::identifyMemoryLocation() {
    if (const auto a = decoderAddress()) highlightMemoryCell(*a);
    lightDecoderWire(true);
    display_.setText(ViewField::Explanation,
                     display_.text(ViewField::Explanation) + std::string(kDecoderSelectsCell));
    wait();
    lightDecoderWire(false);
}

void MachineViewModel::writeCurrentRow(ViewField from) {
    std::int32_t high, low;
    splitWord(display_.number(from).value_or(0), high, low);
    display_.setGridText(display_.currentRow(), 1, signedText(high));
    display_.setGridText(display_.currentRow(), 2, signedText(low));
}

void MachineViewModel::copyField(ViewField from, ViewField to) {
    display_.setText(to, display_.text(from));
}

void MachineViewModel::showCellValue(ViewField to) {
    // An address beyond memory selects no cell: the register keeps its value.
    if (const auto a = decoderAddress())
        display_.setText(to, signedText(m_.memoryWord(*a).value_or(0)));
}

// ---- Clock, run controls ------------------------------------------------------

void MachineViewModel::showClockCycle(int picture) {
    const int cycle = picture == 1 ? 7 : picture - 1;
    display_.setClockPicture(picture);
    display_.setText(ViewField::ClockCaption, "Cycle " + plainText(cycle));
    chart_.showCycle(cycle);
}

void MachineViewModel::run() {
    if (m_.runState().running()) return;
    // A run just stopped may still be finishing its instruction: Run then
    // starts the new run once that one has unwound, never inside it.
    if (runUnderWay_) {
        runRequested_ = true;
        return;
    }
    runUnderWay_ = true;
    do {
        runRequested_ = false;
        startRun();
        if (std::exchange(backRequested_, false) && active()) undoLastInstruction();
    } while (runRequested_ && active() && !m_.runState().running());
    runUnderWay_ = false;
    runRequested_ = false;
    if (active()) display_.setEnabled(ViewControl::BackButton, !zeb_.history().empty());
}

void MachineViewModel::startRun() {
    display_.setEnabled(ViewControl::CancelButton, false);
    display_.setEnabled(ViewControl::WaitCheckBox, false);
    display_.setEnabled(ViewControl::RunButton, false);
    display_.setEnabled(ViewControl::StopButton, true);
    display_.setEnabled(ViewControl::ContinueButton, display_.waitForContinue());
    // The instruction under way can always be undone.
    display_.setEnabled(ViewControl::BackButton, true);
    for (Path p : {Path::MemoryToGeneral, Path::MemoryToInstruction, Path::PCToDecoder,
                   Path::OperandToDecoder})
        paths_.show(p, false);
    // Closing the paths pauses: the view may have been cancelled, or the run
    // stopped (Stop is off again), meanwhile.
    if (!active() || !display_.enabled(ViewControl::StopButton)) return;
    wait_.setViewRun(true);
    zeb_.run().startExecution();
    wait_.setViewRun(false);
}

void MachineViewModel::stop() {
    display_.setEnabled(ViewControl::CancelButton, true);
    display_.setEnabled(ViewControl::RunButton, true);
    display_.setEnabled(ViewControl::ContinueButton, false);
    display_.setEnabled(ViewControl::StopButton, false);
    m_.runState().stopRun();
    display_.setEnabled(ViewControl::WaitCheckBox, true);
}

void MachineViewModel::continueRun() {
    m_.view().setContinueRequested(true);
    display_.setEnabled(ViewControl::ContinueButton, false);
}

void MachineViewModel::back() {
    if (!active()) return;
    // The core undoes only whole instructions: one whose cycles are showing
    // is finished by the run first, exactly as Stop does.
    if (runUnderWay_) {
        backRequested_ = true;
        stop();
        return;
    }
    undoLastInstruction();
}

void MachineViewModel::undoLastInstruction() {
    const std::size_t before = zeb_.history().instructions();
    zeb_.run().back();
    if (zeb_.history().instructions() == before) return;
    showBetweenInstructions();
    display_.setText(ViewField::Status, m_.display().statusText());
    display_.setEnabled(ViewControl::BackButton, !zeb_.history().empty());
}

void MachineViewModel::showBetweenInstructions() {
    display_.setText(ViewField::ProgramCounter, signedText(m_.pcOrZero()));
    display_.setText(ViewField::Accumulator, signedText(m_.accOrZero()));
    if (display_.stackPartsShown())
        if (const auto sp = m_.getNumber(m_.registerText(Register::SP)))
            display_.setText(ViewField::StackPointer, signedText(*sp));
    display_.setText(ViewField::AddressDecoder, "");
    display_.setText(ViewField::Explanation, "");
    lightDecoderWire(false);
    display_.setClockPicture(0);
    display_.setText(ViewField::ClockCaption, "Cycle 0");
    copyMemory();
    highlightMemoryCell(m_.pcOrZero());
}

void MachineViewModel::cancel() {
    m_.view().setViewMode(ViewMode::Normal);
    m_.runState().stopRun();
    m_.view().setContinueRequested(true);
    chart_.hideWithView();
}

// ---- The step pattern -----------------------------------------------------------

bool MachineViewModel::perform(Step step, const std::function<void()>& moveValue,
                               std::int32_t value) {
    const StepScript& s = scriptOf(step);
    if (!s.status.empty()) display_.setText(ViewField::Status, std::string(s.status));
    if (s.clockPicture != 0) showClockCycle(s.clockPicture);
    const auto openPath = [&] {
        if (s.path) paths_.show(*s.path, true, value);
    };
    const auto explain = [&] {
        display_.setText(ViewField::Explanation, std::string(s.explanation));
    };
    const auto move = [&] {
        if (moveValue) moveValue();
    };
    switch (s.order) {
    case StepOrder::PathFirst:
        openPath();
        explain();
        move();
        break;
    case StepOrder::ExplanationFirst:
        explain();
        openPath();
        move();
        break;
    case StepOrder::ValueFirst:
        move();
        openPath();
        explain();
        break;
    }
    bool going = wait();
    if (s.path) paths_.show(*s.path, false, value);
    // Once the run has stopped the closing words are skipped, so that Stop
    // and Cancel end the animation quickly.
    if (!going || s.closing.empty()) return going;
    display_.setText(ViewField::Explanation, std::string(s.closing));
    switch (s.after) {
    case AfterClosing::Wait:
        return wait();
    case AfterClosing::WaitThenIdentify:
        going = wait();
        if (going) identifyMemoryLocation();
        return going;
    case AfterClosing::Identify:
        identifyMemoryLocation();
        return wait_.runGoesOn();
    }
    return going;
}

// ---- Micro-operations -------------------------------------------------------------

void MachineViewModel::microOp(const MicroOp& op) {
    if (op.kind == MicroOpKind::Decoded) executing_ = op.opcode;
    const std::optional<Step> step = stepOf(op, executing_);
    // The read and transfer after an indirect instruction's address step.
    const bool indirectRest = step == Step::MemoryToGeneral || step == Step::LoadIndirectValue ||
                              step == Step::StoreIndirectValue;
    if (!indirectRest) indirectStopped_ = false;
    if (!step || !active() || (indirectRest && indirectStopped_)) return;
    show(*step, op.value);
}

void MachineViewModel::show(Step step, std::int32_t value) {
    const StepScript& s = scriptOf(step);
    switch (step) {
    case Step::Execute:
        display_.setText(ViewField::Status, std::string(s.status));
        showClockCycle(s.clockPicture);
        return;
    case Step::Halt:
        display_.setText(ViewField::Explanation, std::string(s.explanation));
        display_.setEnabled(ViewControl::StopButton, false);
        display_.setEnabled(ViewControl::ContinueButton, false);
        display_.setEnabled(ViewControl::RunButton, true);
        display_.setEnabled(ViewControl::CancelButton, true);
        display_.setEnabled(ViewControl::WaitCheckBox, true);
        showClockCycle(s.clockPicture);
        return;
    case Step::StoreCycle:
        // Not after an error: the run ends with this instruction.
        if (wait_.runGoesOn())
            perform(step, [this] { writeCurrentRow(ViewField::GeneralPurpose); });
        return;
    case Step::JumpIfNegative:
    case Step::JumpIfZero:
        perform(step);
        paths_.show(Path::Jump, false);
        return;
    case Step::LoadIndirectAddress:
    case Step::StoreIndirectAddress:
        // Stopped here, the view skips the rest of the indirect access.
        indirectStopped_ = !perform(step);
        return;
    default:
        perform(step, moveOf(step, value), value);
    }
}

std::function<void()> MachineViewModel::moveOf(Step step, std::int32_t value) {
    switch (step) {
    case Step::MemoryToInstruction:
        return [this] {
            const int a = m_.runState().currentAddress();
            display_.setText(ViewField::InstructionRegister,
                             signedText(m_.operatorValue(a).value_or(0)));
            display_.setText(ViewField::OperandRegister,
                             signedText(m_.operandValue(a).value_or(0)));
        };
    case Step::MemoryToGeneral:
        return [this] { showCellValue(ViewField::GeneralPurpose); };
    case Step::MemoryToPC:
        return [this] { showCellValue(ViewField::ProgramCounter); };
    case Step::IncrementPC:
        return [this, value] { display_.setText(ViewField::ProgramCounter, signedText(value)); };
    case Step::IncrementSP:
    case Step::DecrementSP:
        return [this, value] { display_.setText(ViewField::StackPointer, signedText(value)); };
    case Step::CopyAccumulatorToGeneral:
    case Step::StoreIndirectValue:
        return [this] { copyField(ViewField::Accumulator, ViewField::GeneralPurpose); };
    case Step::Jump:
    case Step::JumpToSubroutine:
        return [this] { copyField(ViewField::OperandRegister, ViewField::ProgramCounter); };
    case Step::Input:
        return [this, value] { display_.setText(ViewField::Accumulator, plainText(value)); };
    case Step::PCToMemory:
        return [this] { writeCurrentRow(ViewField::ProgramCounter); };
    default:
        return {};
    }
}

} // namespace zeb::machineview
