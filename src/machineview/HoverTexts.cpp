#include "machineview/HoverTexts.h"

#include <array>
#include <utility>

namespace zeb::machineview {

namespace {

using Entry = std::pair<std::string_view, std::string_view>;

constexpr std::array<Entry, 16> kHoverTexts{{
    {"", ""},
    {"ChkAcc", "Accumulator to Bus Gate"},
    {"ChkAddDecoder", "Address Decoder to Bus Gate - Open on 1st and 3rd clock periods"},
    {"ChkGen", "General Register to Bus Gate - Open on 4th and 6th clock periods"},
    {"ChkIns", "Instruction Register to Bus Gate - Open on 2nd and 3rd clock periods"},
    {"ChkPC", "Program Counter to Bus Gate - Open on 1st clock period"},
    {"GridMemory", "The Memory stores instructions and data"},
    {"Panel3D1", "Interprets an instruction into a specific action on the registers"},
    {"PicClock", "The Machine's clock - controls the opening of the gates to the Bus"},
    {"PnlACC", "The Accumulator Register stores results of calculations"},
    {"PnlALU", "Arithmetic Logic Unit - performs calculations and comparisons"},
    {"PnlDecoder", "Address Decoder, takes an address and connects memory at that address to Bus"},
    {"PnlGen", "The General Purpose register is mostly used for fetching and storing values to "
               "Memory"},
    {"PnlOperand", "The Operand Register stores the instruction's argument or operand"},
    {"PnlPC", "The Program Counter stores the address of the next instruction to fetch from "
              "Memory"},
    {"TxtExplain", "Presents explanations of the machine sequence when Run is selected"},
}};

} // namespace

std::optional<std::string> hoverText(std::string_view element, const MachineViewDisplay& display,
                                     const Mnemonics& mnemonics) {
    if (element == objectName(ViewField::InstructionRegister)) {
        std::string text = "Current instruction is: ";
        const auto code = display.number(ViewField::InstructionRegister);
        if (code && *code >= 0 && *code < Mnemonics::kCount) text += mnemonics.name(*code);
        return text;
    }
    for (const auto& [name, text] : kHoverTexts)
        if (name == element) return std::string(text);
    return std::nullopt;
}

} // namespace zeb::machineview
