#include "editing/Assembler.h"

#include "core/Mnemonics.h"

namespace zeb {

bool Assembler::isValidByte(std::string_view text) {
    // An unreadable text has been reported; it stays in the field as typed.
    return machine_.getNumber(text).value_or(0) < 256;
}

bool Assembler::isLegalOperandText(std::string_view text) {
    if (text.size() > 3) return false;
    if (isDecimalNumber(text)) return isValidByte(text);
    if (machine_.view().base() == NumberBase::Hexadecimal && isHexNumber(text))
        return isValidByte(text);
    return text.empty();
}

bool Assembler::isLegalOperatorText(std::string_view text, bool partial) {
    if (text.size() > 3) return false;
    if (isDecimalNumber(text)) return isValidByte(text);
    if (machine_.view().base() == NumberBase::Hexadecimal && isHexNumber(text))
        return isValidByte(text);
    if (!machine_.view().mnemonicsShown()) return text.empty();
    if (machine_.mnemonics().isMnemonic(text)) return true;
    if (!partial) return false;
    return machine_.mnemonics().isPartialMnemonic(text);
}

bool Assembler::canAssemble() {
    for (int address = 0; address < kMemorySize; ++address) {
        const std::string_view text = trimBlanks(machine_.operatorText(address));
        if (text.empty()) continue;
        if (!isLegalOperatorText(text, false)) {
            machine_.report("Unrecognized symbol at location " + signedText(address) +
                            ". Assembly aborted.");
            return false;
        }
    }
    return true;
}

bool Assembler::assembleAll() {
    if (!canAssemble()) return false;
    const Mnemonics& names = machine_.mnemonics();
    for (int address = 0; address < kMemorySize; ++address) {
        const std::string_view text = trimBlanks(machine_.operatorText(address));
        if (!text.empty() && names.isMnemonic(text))
            machine_.setOperatorText(address, names.assemble(text, machine_.view().base()));
    }
    machine_.view().setMnemonicsShown(false);
    machine_.display().set(Flag::MnemonicsChecked, false);
    return true;
}

void Assembler::disassembleAll() {
    for (int address = 0; address < kMemorySize; ++address) {
        const std::string text = stripLeadingBlanks(machine_.operatorText(address));
        if (text.empty()) continue;
        if (isDecimalNumber(text) || isHexNumber(text)) {
            const std::optional<std::int32_t> value = machine_.operatorValue(address);
            if (value && legalInstruction(*value))
                machine_.setOperatorText(address, machine_.mnemonics().name(*value));
        }
    }
    machine_.view().setMnemonicsShown(true);
    machine_.display().set(Flag::MnemonicsChecked, true);
}

} // namespace zeb
