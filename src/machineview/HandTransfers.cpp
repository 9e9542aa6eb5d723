#include "machineview/HandTransfers.h"

#include "core/Opcode.h"
#include "core/Words.h"

namespace zeb::machineview {

void HandTransfers::tell(Icon icon, std::string_view text) {
    m_.messageBox(icon, Buttons::Ok, "ZEB", text);
}

void HandTransfers::clickMemoryTable() {
    if (busy()) return;
    if (display_.text(ViewField::AddressDecoder).empty()) {
        tell(Icon::Exclamation, "There is no input address in the Address Decoder");
        return;
    }
    if (const auto a = display_.number(ViewField::AddressDecoder)) model_.highlightMemoryCell(*a);
}

void HandTransfers::readOverBus(ViewField field, Gateway gateway, std::string_view notConnected) {
    if (!display_.open(gateway)) {
        tell(Icon::Information, notConnected);
        return;
    }
    const int row = display_.selection().firstRow;
    display_.setText(field, plainText(m_.memoryWord(row).value_or(0)));
}

void HandTransfers::readInstruction(std::string_view notConnected) {
    if (!display_.open(Gateway::InstructionOperand)) {
        tell(Icon::Information, notConnected);
        return;
    }
    const int row = display_.selection().firstRow;
    display_.setText(ViewField::InstructionRegister, signedText(m_.operatorValue(row).value_or(0)));
    display_.setText(ViewField::OperandRegister, signedText(m_.operandValue(row).value_or(0)));
}

void HandTransfers::clickRegister(ViewField field) {
    if (busy()) return;
    switch (field) {
    case ViewField::Accumulator:
        readOverBus(field, Gateway::Accumulator, "The Accumulator is not connected to the BUS");
        break;
    case ViewField::GeneralPurpose:
        readOverBus(field, Gateway::GeneralPurpose,
                    "The General Register is not connected to the BUS");
        break;
    case ViewField::StackPointer:
        readOverBus(field, Gateway::StackPointer,
                    "The Stack Pointer Register is not connected to the BUS");
        break;
    case ViewField::InstructionRegister:
        readInstruction("The Operator is not connected to the BUS");
        break;
    case ViewField::OperandRegister:
        readInstruction("The Operand is not connected to the BUS");
        break;
    default:
        break;
    }
}

void HandTransfers::clickAddressDecoder() {
    if (busy()) return;
    if (!display_.open(Gateway::AddressDecoder)) {
        tell(Icon::Information, "The Address Decoder is not connected to the BUS");
        return;
    }
    struct Source {
        Gateway gateway;
        ViewField field;
    };
    static constexpr Source kSources[] = {
        {Gateway::StackPointer, ViewField::StackPointer},
        {Gateway::InstructionOperand, ViewField::OperandRegister},
        {Gateway::ProgramCounter, ViewField::ProgramCounter},
        {Gateway::Accumulator, ViewField::Accumulator},
        {Gateway::GeneralPurpose, ViewField::GeneralPurpose},
    };
    for (const Source& s : kSources) {
        // The Stack Pointer is on the Bus only while it is shown.
        if (s.gateway == Gateway::StackPointer && !display_.stackPartsShown()) continue;
        if (display_.open(s.gateway)) {
            display_.setText(ViewField::AddressDecoder, display_.text(s.field));
            break;
        }
    }
    model_.identifyMemoryLocation();
}

void HandTransfers::clickProgramCounter() {
    if (busy()) return;
    const std::int32_t pc = display_.number(ViewField::ProgramCounter).value_or(0);
    display_.setText(ViewField::ProgramCounter, plainText(pc + 1));
}

void HandTransfers::clickInstructionDecoder() {
    if (busy()) return;
    const auto pc = display_.number(ViewField::ProgramCounter);
    const auto code = display_.number(ViewField::InstructionRegister);
    // The instruction needs a memory cell for its operand.
    if (!pc || !legalAddress(*pc) || !code) return;
    const std::optional<Opcode> op = toOpcode(*code);
    if (!op) return;
    m_.runState().setCurrentAddress(*pc);
    // A report left over from an earlier run must not stop this instruction.
    m_.runState().clearError();
    const bool waitForContinue = display_.waitForContinue();
    display_.setWaitForContinue(false);
    (void)model_.zeb().instructions().execute(*op);
    display_.setWaitForContinue(waitForContinue);
}

} // namespace zeb::machineview
