#include "editing/Assembler.h"

#include "core/Mnemonics.h"

namespace zeb {

bool Assembler::isValidByte(std::string_view text) {
    // An unreadable text has been reported; it stays in the field as typed.
    return m_.getNumber(text).value_or(0) < 256;
}

bool Assembler::isLegalOperandText(std::string_view text) {
    if (text.size() > 3) return false;
    if (isDecimalNumber(text)) return isValidByte(text);
    if (m_.view().base() == NumberBase::Hexadecimal && isHexNumber(text)) return isValidByte(text);
    return text.empty();
}

bool Assembler::isLegalOperatorText(std::string_view text, bool partial) {
    if (text.size() > 3) return false;
    if (isDecimalNumber(text)) return isValidByte(text);
    if (m_.view().base() == NumberBase::Hexadecimal && isHexNumber(text)) return isValidByte(text);
    if (!m_.view().mnemonicsShown()) return text.empty();
    if (m_.mnemonics().isMnemonic(text)) return true;
    if (!partial) return false;
    return m_.mnemonics().isPartialMnemonic(text);
}

bool Assembler::canAssemble() {
    for (int a = 0; a < kMemorySize; ++a) {
        const std::string_view text = trimBlanks(m_.operatorText(a));
        if (text.empty()) continue;
        if (!isLegalOperatorText(text, false)) {
            m_.report("Unrecognized symbol at location " + signedText(a) + ". Assembly aborted.");
            return false;
        }
    }
    return true;
}

bool Assembler::assembleAll() {
    if (!canAssemble()) return false;
    const Mnemonics& names = m_.mnemonics();
    for (int a = 0; a < kMemorySize; ++a) {
        const std::string_view text = trimBlanks(m_.operatorText(a));
        if (!text.empty() && names.isMnemonic(text))
            m_.setOperatorText(a, names.assemble(text, m_.view().base()));
    }
    m_.view().setMnemonicsShown(false);
    m_.display().set(Flag::MnemonicsChecked, false);
    return true;
}

void Assembler::disassembleAll() {
    for (int a = 0; a < kMemorySize; ++a) {
        const std::string text = stripLeadingBlanks(m_.operatorText(a));
        if (text.empty()) continue;
        if (isDecimalNumber(text) || isHexNumber(text)) {
            const std::optional<std::int32_t> value = m_.operatorValue(a);
            if (value && legalInstruction(*value))
                m_.setOperatorText(a, m_.mnemonics().name(*value));
        }
    }
    m_.view().setMnemonicsShown(true);
    m_.display().set(Flag::MnemonicsChecked, true);
}

} // namespace zeb
