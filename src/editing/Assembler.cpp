#include "editing/Assembler.h"

#include "editing/Mnemonics.h"

namespace zeb {

bool Assembler::ValidByte(std::string_view text) {
    return m_.GetNumber(text) < 256;
}

bool Assembler::IsLegalOperandString(std::string_view text) {
    if (text.size() > 3) return false;
    if (IsDecimalNumber(text)) return ValidByte(text);
    if (m_.NumberBase == 16 && isHexNumber(text)) return ValidByte(text);
    return text.empty();
}

bool Assembler::IsLegalOperatorString(std::string_view text, bool partial) {
    if (text.size() > 3) return false;
    if (IsDecimalNumber(text)) return ValidByte(text);
    if (m_.NumberBase == 16 && isHexNumber(text)) return ValidByte(text);
    if (m_.AssembledDisplay) return text.empty();
    if (m_.mnemonics().LegalMnemonic(text)) return true;
    if (!partial) return false;
    return m_.mnemonics().IsPartiallyLegalMnemonic(text);
}

bool Assembler::CanAssemble() {
    for (int a = 0; a < kMemorySize; ++a) {
        const std::string_view text = TrimBlanks(m_.OperatorText(a));
        if (text.empty()) continue;
        if (!IsLegalOperatorString(text, false)) {
            m_.ErrorMessage("Unrecognized symbol at location " + SignedText(a) +
                            ". Assembly aborted.");
            return false;
        }
    }
    return true;
}

bool Assembler::AssembleAll() {
    if (!CanAssemble()) return false;
    const Mnemonics& names = m_.mnemonics();
    for (int a = 0; a < kMemorySize; ++a) {
        const std::string_view text = TrimBlanks(m_.OperatorText(a));
        if (!text.empty() && names.LegalMnemonic(text))
            m_.SetOperatorText(a, names.Assemble(text, m_.NumberBase));
    }
    m_.AssembledDisplay = true;
    m_.display().set(Flag::DissassembleChecked, false);
    return true;
}

void Assembler::DisAssemble() {
    for (int a = 0; a < kMemorySize; ++a) {
        const std::string text = StripSpace(m_.OperatorText(a));
        if (text.empty()) continue;
        if (IsDecimalNumber(text) || isHexNumber(text)) {
            const std::int32_t value = m_.OperatorVal(a);
            if (LegalInstruction(value)) m_.SetOperatorText(a, m_.mnemonics().Disassem(value));
        }
    }
    m_.AssembledDisplay = false;
    m_.display().set(Flag::DissassembleChecked, true);
}

} // namespace zeb
