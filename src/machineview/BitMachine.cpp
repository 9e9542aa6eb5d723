#include "machineview/BitMachine.h"

#include "core/Words.h"

#include <chrono>

namespace zeb::machineview {

BitMachine::BitMachine(Machine& machine, Pacing& pacing)
    : m_(machine), view_(machine.preferences()), paths_(view_, pacing, machine.preferences()) {}

// ---- Set-up -----------------------------------------------------------------

void BitMachine::InitBitMachine() {
    Status("");
    view_.setEnabled(Control::CmdStop, false);
    view_.setEnabled(Control::CmdContinue, false);
    view_.setEnabled(Control::CmdRun, true);
    // The General Purpose, Stack Pointer and JMP gateways keep whatever the
    // student left them at.
    for (Gateway g : {Gateway::ChkPC, Gateway::ChkAddDecoder, Gateway::ChkIns, Gateway::ChkAcc,
                      Gateway::ChkLDA})
        view_.setOpen(g, false);
    m_.setViewMode(ViewMode::MachineView);
    for (Field f : {Field::PnlIns, Field::PnlOperand, Field::PnlPC, Field::PnlACC, Field::PnlGen})
        view_.setText(f, "0");
    view_.setText(Field::PnlDecoder, "");
    Explain("Initialising");
    CopyZebsMemory();
    HighlightMemoryCell(0);
}

void BitMachine::CopyZebsMemory() {
    view_.setColumn0Width(400);
    bool usesStack = false;
    for (int n = 0; n < kGridRows; ++n) {
        view_.setGridText(n, 0, signedText(n));
        view_.setGridText(n, 1, m_.operatorText(n));
        view_.setGridText(n, 2, m_.operandText(n));
        if (m_.operatorText(n) == "19" || m_.operatorText(n) == "20") usesStack = true;
    }
    if (usesStack) view_.setText(Field::PnlSP, "64");
    for (int line : {39, 42, 43, 44})
        view_.setWireVisible(line, usesStack);
    view_.setStackPartsShown(usesStack);
}

void BitMachine::HighlightMemoryCell(int address) {
    if (legalAddress(address)) view_.selectRow(address);
}

std::optional<int> BitMachine::DecoderAddress() const {
    const auto a = BitPaths::FieldNumber(view_.text(Field::PnlDecoder));
    if (a && legalAddress(*a)) return *a;
    return std::nullopt;
}

void BitMachine::LightDecoderWire(bool lit) {
    view_.SetWireState(kDecoderToMemoryWire, lit ? kDecoderWireColour : kBlack);
}

void BitMachine::IdentifyMemoryLocation() {
    if (const auto a = DecoderAddress()) HighlightMemoryCell(*a);
    LightDecoderWire(true);
    Explain(view_.text(Field::TxtExplain) +
            " The Address Decoder now identifies the Memory cell given by the address.");
    wait();
    LightDecoderWire(false);
}

void BitMachine::WriteCurrentRow(Field from) {
    const std::int32_t value = BitPaths::FieldNumber(view_.text(from)).value_or(0);
    std::int32_t high, low;
    splitWord(value, high, low);
    view_.setGridText(view_.currentRow(), 1, signedText(high));
    view_.setGridText(view_.currentRow(), 2, signedText(low));
}

// ---- Clock and waiting ------------------------------------------------------

void BitMachine::ShowClockCycle(int picture) {
    view_.setClockPicture(picture);
    view_.setText(Field::lblClock, "Cycle " + plainText(picture == 1 ? 7 : picture - 1));
}

bool BitMachine::wait() {
    Host& host = m_.host();
    if (view_.waitForContinue()) {
        if (m_.running()) {
            view_.setEnabled(Control::CmdContinue, true);
            m_.setContinueRequested(false);
        } else {
            m_.setContinueRequested(true);
        }
        // Stop ends this wait at once.
        if (m_.running() && !m_.continueRequested())
            host.waitFor([this] { return !m_.running() || m_.continueRequested(); }, std::nullopt);
    } else {
        m_.setContinueRequested(false);
        StartTimer();
        // Only the tick (or Cancel) ends a fixed period, not Stop.
        if (!m_.continueRequested())
            host.waitFor([this] { return m_.continueRequested(); }, timerDue_);
        if (timerEnabled_) Timer1_Timer();
    }
    return m_.running();
}

void BitMachine::StartTimer() {
    if (m_.waitInterval() > 0) {
        timerDue_ = Host::Clock::now() + std::chrono::seconds(m_.waitInterval());
        timerEnabled_ = true;
    } else {
        m_.setContinueRequested(true);
    }
}

void BitMachine::Timer1_Timer() {
    timerEnabled_ = false;
    m_.setContinueRequested(true);
}

void BitMachine::CmdStop_Click() {
    view_.setEnabled(Control::CmdCancel, true);
    view_.setEnabled(Control::CmdRun, true);
    view_.setEnabled(Control::CmdContinue, false);
    view_.setEnabled(Control::CmdStop, false);
    m_.stopRun();
    view_.setEnabled(Control::ChkWait, true);
}

void BitMachine::CmdContinue_Click() {
    m_.setContinueRequested(true);
    view_.setEnabled(Control::CmdContinue, false);
}

// ---- Cycles 1 to 7 ----------------------------------------------------------

void BitMachine::onPCToAddressDecoder() {
    if (!active()) return;
    Status("(PC) -> Address Decoder");
    ShowClockCycle(2);
    paths_.ShowPCToMemDecoder(true);
    Explain("The value of the Program Counter is sent to the Address Decoder by opening the "
            "Address Decoder and the Program Counter to the Bus at the same time"
            "  This allows the value from the Program Counter to pass along the Bus into the "
            "Address Decoder.");
    const bool going = wait();
    paths_.ShowPCToMemDecoder(false);
    if (!going) return;
    Explain("The contents of the Program Counter has now passed into the Address Decoder. "
            " The path between the Program Counter and the Address Decoder is now closed.");
    if (wait()) IdentifyMemoryLocation();
}

void BitMachine::onMemoryToInstructionRegister() {
    if (!active()) return;
    Status("Memory -> Instruction/Operand Registers");
    ShowClockCycle(3);
    paths_.ShowMemToIns(true);
    Explain("The memory location at the identified address is connected to the BUS "
            " At the same time as the Instruction/Operand Registers, allowing the "
            "Instruction/Operand pair to be tranferred from memory. ");
    view_.setText(Field::PnlIns, signedText(m_.operatorValue(m_.currentAddress()).value_or(0)));
    view_.setText(Field::PnlOperand, signedText(m_.operandValue(m_.currentAddress()).value_or(0)));
    const bool going = wait();
    paths_.ShowMemToIns(false);
    if (!going) return;
    Explain("The gateway between the Instruction Register and the Bus is now closed.");
    wait();
}

void BitMachine::onOperandToAddressDecoder() {
    if (!active()) return;
    Status("(Operand) -> Address Decoder");
    ShowClockCycle(4);
    paths_.ShowOperandToMemDecoder(true);
    Explain("The contents of the Operand Register are sent to the Address Decoder by opening the "
            "Address Decoder and the Operand to the BUS at the same time"
            "  This allows the value from the Operand to pass along the Bus into the Address "
            "Decoder's Input Register.");
    const bool going = wait();
    paths_.ShowOperandToMemDecoder(false);
    if (!going) return;
    if (const auto a = DecoderAddress()) HighlightMemoryCell(*a);
    LightDecoderWire(true);
    Explain("The contents of the Operand has now passed into the Address Decoder. "
            " The path between the Operand and the Address Decoder is now closed."
            " The Address Decoder now identifies the Memory cell given by the address.");
    wait();
    LightDecoderWire(false);
}

void BitMachine::onMemoryToGeneralRegister() {
    if (!active()) return;
    Status("memory -> General Register");
    ShowClockCycle(5);
    paths_.ShowMemToGen(true);
    Explain("The Address Decoder now identifies the memory location at the "
            " address given by the Operand and connects the "
            " address location to the Bus.");
    // An operand beyond memory selects no cell: the register keeps its value.
    if (const auto a = DecoderAddress())
        view_.setText(Field::PnlGen, signedText(m_.memoryWord(*a).value_or(0)));
    const bool going = wait();
    paths_.ShowMemToGen(false);
    if (!going) return;
    Explain("The gateway between the General Purpose Register and the Bus is now closed.");
    wait();
}

void BitMachine::onExecuteInstruction() {
    if (!active()) return;
    Status("Execute instruction in IR");
    ShowClockCycle(6);
}

void BitMachine::onStoreCycle() {
    if (!active()) return;
    Status("(GP) -> Memory");
    ShowClockCycle(7);
    paths_.ShowGenToMemory(true);
    WriteCurrentRow(Field::PnlGen);
    Explain("The contents of the General Purpose Register are copied to Memory."
            "  For most instructions, this is a redundant operation.");
    wait();
    paths_.ShowGenToMemory(false);
}

void BitMachine::onIncrementPC(std::int32_t newPC) {
    if (!active()) return;
    paths_.ShowIncPC(true);
    view_.setText(Field::PnlPC, signedText(newPC));
    Explain("The Progam Counter is incremented.");
    ShowClockCycle(1);
    Status("(PC) = (PC) + 1");
    wait();
    paths_.ShowIncPC(false);
}

void BitMachine::onHalt() {
    if (!active()) return;
    Explain(" The HLT instruction is decoded by the Instruction decoder into the simple action of "
            "halting.");
    view_.setEnabled(Control::CmdStop, false);
    view_.setEnabled(Control::CmdContinue, false);
    view_.setEnabled(Control::CmdRun, true);
    view_.setEnabled(Control::CmdCancel, true);
    view_.setEnabled(Control::ChkWait, true);
    ShowClockCycle(1);
}

// ---- Cycle 5: the instructions' own steps ----------------------------------

void BitMachine::onLoadAcc(std::int32_t value) {
    if (!active()) return;
    paths_.ShowLDA(true, value);
    Explain(" The LDA instruction is decoded by the Instruction decoder into the simple action of "
            "copying the contents of the General Purpose Register to the Accumulator Register");
    wait();
    paths_.ShowLDA(false, value);
}

void BitMachine::onCopyAccToGeneralRegister() {
    if (!active()) return;
    paths_.ShowSTO(true);
    view_.setText(Field::PnlGen, view_.text(Field::PnlACC));
    Explain(" The STO instruction is decoded by the Instruction decoder into the simple action of "
            "copying the contents of the Accumulator to the General Purpose Register in "
            "preparation for the final Clock period which will copy the contents of the General "
            "Purpose Register to Memory.");
    wait();
    paths_.ShowSTO(false);
}

void BitMachine::ArithmeticStep(std::int32_t result, const char* explanation) {
    if (!active()) return;
    paths_.ShowArithmetic(true, result);
    Explain(std::string(explanation) + "the result is placed in the Accumulator Register.");
    wait();
    paths_.ShowArithmetic(false, result);
}

void BitMachine::onAdd(std::int32_t result) {
    ArithmeticStep(result, " The AC+ instruction is decoded by the Instruction decoder and passed "
                           "to the Arithmetic Logic Unit to perform the addition, ");
}

void BitMachine::onSubtract(std::int32_t result) {
    ArithmeticStep(result, " The AC- instruction is decoded by the Instruction decoder and passed "
                           "to the Arithmetic Logic Unit to perform the subtraction, ");
}

// The multiplication and division texts say "addition" too; they are the
// view's own words and are kept.
void BitMachine::onMultiply(std::int32_t result) {
    ArithmeticStep(result, " The ACX instruction is decoded by the Instruction decoder and passed "
                           "to the Arithmetic Logic Unit to perform the addition, ");
}

void BitMachine::onDivide(std::int32_t result) {
    ArithmeticStep(result, " The AC/ instruction is decoded by the Instruction decoder and passed "
                           "to the Arithmetic Logic Unit to perform the addition, ");
}

void BitMachine::onJump() {
    if (!active()) return;
    view_.setText(Field::PnlPC, view_.text(Field::PnlOperand));
    paths_.ShowJMP(true);
    Explain(" The JMP instruction is decoded by the Instruction decoder into the simple action of "
            "copying the Operand to the Program Counter");
    wait();
    paths_.ShowJMP(false);
}

void BitMachine::onJumpIfNegative() {
    if (!active()) return;
    paths_.ShowJmpNeg(true);
    Explain(" The JMP instruction is decoded by the Instruction decoder into the action allowing "
            "the ALU to check if the value of the Accumulator is negative, if it is then the "
            "Operand is copied to the Program Counter");
    wait();
    paths_.ShowJmpNeg(false);
    paths_.ShowJMP(false);
}

void BitMachine::onJumpIfZero() {
    if (!active()) return;
    paths_.ShowJmpZero(true);
    Explain(" The JM0 instruction is decoded by the Instruction decoder into the action allowing "
            "the ALU to check if the value of the Accumulator is zero, if it is then the Operand "
            "is copied to the Program Counter");
    wait();
    paths_.ShowJmpZero(false);
    paths_.ShowJMP(false);
}

void BitMachine::onJumpIndirect() {
    if (!active()) return;
    paths_.ShowJMPIndirect(true);
    Explain(" The J() instruction is decoded by the Instruction decoder into the simple action of "
            "copying the General Purpose Register to the Program Counter");
    wait();
    paths_.ShowJMPIndirect(false);
}

void BitMachine::TextOnlyStep(const char* explanation) {
    Explain(explanation);
    wait();
}

void BitMachine::onInput(std::int32_t value) {
    if (!active()) return;
    Explain("A Value is placed into the Accumulator from the User.  This cannot be represented "
            "accurately.");
    view_.setText(Field::PnlACC, plainText(value));
    wait();
}

void BitMachine::onOutput() {
    if (!active()) return;
    TextOnlyStep(
        "The Value of the accumulator is printed.  This cannot be represented accurately.");
}

void BitMachine::onInterruptMask(bool on) {
    if (!active()) return;
    TextOnlyStep(on ? "The Interrupt mask bit in the status register is set.  This cannot be "
                      "represented accurately."
                    : "The Interrupt mask bit in the status register is unset.  This cannot be "
                      "represented accurately.");
}

void BitMachine::onReadInterruptKey() {
    if (!active()) return;
    TextOnlyStep("The Value from the interrupting device is read.  This cannot be represented "
                 "accurately.");
}

void BitMachine::onReturnFromInterrupt() {
    if (!active()) return;
    TextOnlyStep("The return form interrupt instruction is executed, restoring program counter and "
                 "accumulator.");
}

bool BitMachine::IndirectAccess(const char* explanation) {
    Explain(std::string(explanation) +
            " the contents of the General Purpose register are sent to the Address Decoder...");
    paths_.ShowGenToMemDecoder(true);
    const bool going = wait();
    paths_.ShowGenToMemDecoder(false);
    if (!going) return false;
    Explain("The gateways from the General Purpose register to the Address Decoder are closed");
    if (!wait()) return false;
    IdentifyMemoryLocation();
    onMemoryToGeneralRegister();
    return true;
}

void BitMachine::onLoadIndirect(std::int32_t value) {
    if (!active()) return;
    if (!IndirectAccess(" The L() instruction is decoded which requires an additional memory "
                        "access, "))
        return;
    Explain("The accumulator is loaded with the contents of the General Purpose register ");
    paths_.ShowLDA(true, value);
    wait();
    paths_.ShowLDA(false, value);
}

void BitMachine::onStoreIndirect() {
    if (!active()) return;
    if (!IndirectAccess(" The S() instruction is decoded which requires an additional memory "
                        "access, "))
        return;
    Explain("The accumulator contents are written into the General Purpose register ");
    paths_.ShowSTO(true);
    view_.setText(Field::PnlGen, view_.text(Field::PnlACC));
    wait();
    paths_.ShowSTO(false);
}

// ---- JSB and RTN ------------------------------------------------------------

void BitMachine::onSPToAddressDecoder() {
    if (!active()) return;
    Status("(SP) -> Address Decoder");
    paths_.SPToMemDecoder(true);
    Explain("The value of the Stack Pointer is sent to the Address Decoder by opening the Address "
            "Decoder and the Stack Pointer to the Bus at the same time"
            "  This allows the value from the Stack Pointer to pass along the Bus into the "
            "Address Decoder.");
    const bool going = wait();
    paths_.SPToMemDecoder(false);
    if (!going) return;
    Explain("The contents of the Stack Pointer has now passed into the Address Decoder. "
            " The path between the Stack Pointer and the Address Decoder is now closed.");
    if (wait()) IdentifyMemoryLocation();
}

void BitMachine::onPCToMemory() {
    if (!active()) return;
    Status("(PC) -> Memory");
    paths_.ShowPCToMemory(true);
    WriteCurrentRow(Field::PnlPC);
    Explain("The contents of the Program Counter Register are copied to Memory.");
    wait();
    paths_.ShowPCToMemory(false);
}

void BitMachine::onIncrementSP(std::int32_t sp) {
    if (!active()) return;
    paths_.ShowIncSP(true);
    view_.setText(Field::PnlSP, signedText(sp));
    Explain("The Stack Pointer is incremented.");
    Status("(SP) = (SP) + 1");
    wait();
    paths_.ShowIncSP(false);
}

void BitMachine::onDecrementSP(std::int32_t sp) {
    if (!active()) return;
    paths_.ShowIncSP(true);
    view_.setText(Field::PnlSP, signedText(sp));
    Explain("The Stack Pointer is decremented.");
    Status("(SP) = (SP) - 1");
    wait();
    paths_.ShowIncSP(false);
}

void BitMachine::onJumpToSubroutine() {
    if (!active()) return;
    view_.setText(Field::PnlPC, view_.text(Field::PnlOperand));
    paths_.ShowJMP(true);
    Explain(" The JUMP SUB instruction finally copies the Operand to the Program Counter");
    wait();
    paths_.ShowJMP(false);
}

void BitMachine::onMemoryToPC() {
    if (!active()) return;
    Status("memory -> PC");
    paths_.ShowMemToPC(true);
    Explain("The return address is now read from memory into the PC ");
    if (const auto a = DecoderAddress())
        view_.setText(Field::PnlPC, signedText(m_.memoryWord(*a).value_or(0)));
    const bool going = wait();
    paths_.ShowMemToPC(false);
    if (!going) return;
    Explain("The gateway between the PC and the Bus is now closed.");
    wait();
}

} // namespace zeb::machineview
