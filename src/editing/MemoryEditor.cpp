#include "editing/MemoryEditor.h"

#include "editing/Mnemonics.h"

#include <cctype>

namespace zeb {

namespace {

int AddressOf(int code) {
    return MemoryEditor::CellIsOperand(code) ? code - 100 : code;
}
Half HalfOf(int code) {
    return MemoryEditor::CellIsOperand(code) ? Half::Operand : Half::Operator;
}

std::string Binary8(std::int32_t value) {
    std::string digits = NumToBinary(value);
    if (digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
    return digits;
}

} // namespace

std::string MemoryEditor::CurrentValue(int code) const {
    const int a = AddressOf(code);
    if (!LegalAddress(a)) return {};
    const std::string& text = CellIsOperand(code) ? m_.OperandText(a) : m_.OperatorText(a);
    return std::string(TrimBlanks(text));
}

void MemoryEditor::SetCurrent(const std::string& text) {
    const int a = AddressOf(currentCell_);
    if (!LegalAddress(a)) return;
    if (CellIsOperand(currentCell_))
        m_.SetOperandText(a, text);
    else
        m_.SetOperatorText(a, text);
}

void MemoryEditor::MakeCurrent(int code) {
    if (!selectionActive_) {
        // The field that stops being current takes its partner's colour.
        const int old = AddressOf(currentCell_);
        if (LegalAddress(old)) {
            const Half half = HalfOf(currentCell_);
            const Colour partner =
                half == Half::Operator ? m_.OperandColour(old) : m_.OperatorColour(old);
            m_.SetFieldColour(old, half, partner == kYellow ? kYellow : kGrey);
        }
    }
    currentCell_ = code;
    if (!selectionActive_) m_.SetFieldColour(AddressOf(code), HalfOf(code), kWhite);
}

void MemoryEditor::Operator_Click(int a) {
    if (!m_.host().ValidClick("operator", a)) return;
    MakeCurrent(a);
}

void MemoryEditor::Operand_Click(int a) {
    if (!m_.host().ValidClick("operand", a)) return;
    MakeCurrent(kOperandBase + a);
}

void MemoryEditor::Operator_MouseDown(int a, bool leftButton, bool shift) {
    if (leftButton && shift) {
        selectionActive_ = true;
        m_.SetCellColour(a, kGreen);
    } else if (selectionActive_) {
        m_.ClearCellColours();
        const std::int32_t pc = m_.GetNumber(m_.Text(Register::PC));
        if (LegalAddress(pc)) m_.SetCellColour(pc, kYellow);
        selectionActive_ = false;
    }
}

std::string MemoryEditor::DigitsOf(int i) const {
    return m_.NumberBase == 16 ? HexText(i) : PlainText(i);
}

void MemoryEditor::DeleteLast() {
    std::string cur = CurrentValue(currentCell_);
    if (cur.empty()) return;
    cur.pop_back();
    SetCurrent(cur);
}

void MemoryEditor::pads_Click(int i) {
    if (!m_.host().ValidClick("pads", i) || m_.Running) return;
    const std::string cur = CurrentValue(currentCell_);
    if (i == kDeletePad) {
        DeleteLast();
        return;
    }
    if (m_.AssembledDisplay || CellIsOperand(currentCell_)) {
        const std::string next = cur + DigitsOf(i);
        if (next.size() <= 3 && asm_.ValidByte(next)) SetCurrent(next);
        return;
    }
    const Mnemonics& names = m_.mnemonics();
    if (cur.empty() || names.LegalMnemonic(cur)) {
        if (LegalInstruction(i)) SetCurrent(names.Disassem(i));
        return;
    }
    const std::string next = cur + DigitsOf(i);
    if (asm_.IsLegalOperatorString(next, true)) SetCurrent(next);
}

void MemoryEditor::Form_KeyPress(char key) {
    if (m_.DemoMode) return;
    if (key == kBackspace) {
        DeleteLast();
        return;
    }
    if (static_cast<unsigned char>(key) <= 32) return;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    const std::string cur = CurrentValue(currentCell_);
    if (cur.size() >= 3) return;
    const std::string next = cur + upper;
    const bool legal = CellIsOperand(currentCell_) ? asm_.IsLegalOperandString(next)
                                                   : asm_.IsLegalOperatorString(next, true);
    if (legal) SetCurrent(next);
}

void MemoryEditor::Form_KeyUp(NavKey key) {
    const int a = AddressOf(currentCell_);
    const bool operand = CellIsOperand(currentCell_);
    switch (key) {
    case NavKey::Home:
        Operator_Click(0);
        break;
    case NavKey::End:
        Operand_Click(kLastAddress);
        break;
    case NavKey::Left:
        if (operand)
            Operator_Click(a);
        else if (a >= 16)
            Operand_Click(a - 16);
        break;
    case NavKey::Right:
        if (!operand)
            Operand_Click(a);
        else if (a < 64)
            Operator_Click(a + 16);
        break;
    case NavKey::Up:
        if (a >= 1) operand ? Operand_Click(a - 1) : Operator_Click(a - 1);
        break;
    case NavKey::Down:
        if (a < kLastAddress) operand ? Operand_Click(a + 1) : Operator_Click(a + 1);
        break;
    }
}

std::int32_t MemoryEditor::OperatorValueForStatus(int a) {
    const std::string_view text = TrimBlanks(m_.OperatorText(a));
    const Mnemonics& names = m_.mnemonics();
    if (names.LegalMnemonic(text)) return names.CodeOf(text);
    if (!IsDecimalNumber(text) && !isHexNumber(text) && names.IsPartiallyLegalMnemonic(text))
        return 0;
    return m_.OperatorVal(a);
}

std::string MemoryEditor::OperatorStatusText(int a) {
    const std::string binary =
        m_.OperatorText(a).empty() ? "00000000" : Binary8(OperatorValueForStatus(a));
    return "Memory location " + SignedText(a) + " Operator: " + binary;
}

std::string MemoryEditor::OperandStatusText(int a) {
    const std::string binary = m_.OperandText(a).empty() ? "00000000" : Binary8(m_.OperandVal(a));
    return "Memory location " + SignedText(a) + " Operand: " + binary;
}

std::string MemoryEditor::PadStatusText(int i) {
    return std::string(Mnemonics::PadDescription(i));
}

} // namespace zeb
