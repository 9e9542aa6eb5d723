#include "editing/CellClipboard.h"

namespace zeb {

namespace {} // namespace

std::string CellClipboard::SelectedCellsText() const {
    std::string text;
    if (!editor_.SelectionActive()) return text;
    for (int a = 0; a < kMemorySize; ++a)
        if (Marked(a))
            text += LPad(m_.OperatorText(a), 3) + "|" + LPad(m_.OperandText(a), 3) + "|\r\n";
    return text;
}

void CellClipboard::CopySelectedCells() {
    const std::string text = SelectedCellsText();
    if (!text.empty()) m_.host().SetClipboardText(text);
}

void CellClipboard::ClearSelectedCells() {
    if (!editor_.SelectionActive()) return;
    for (int a = 0; a < kMemorySize; ++a)
        if (Marked(a)) ClearCell(a);
}

void CellClipboard::ClearCell(int a) {
    m_.SetOperatorText(a, {});
    m_.SetOperandText(a, {});
}

void CellClipboard::PasteToZeb() {
    const std::string clipboard = m_.host().ClipboardText();
    std::string_view text = clipboard; // consumed from the front, line by line
    int a = editor_.CurrentCell();
    while (text.size() > 9) {
        const std::string opr(TrimBlanks(text.substr(0, 3)));
        if (!asm_.IsLegalOperatorString(opr, true)) {
            m_.ErrorMessage("Illegal Operator " + opr + " in paste operation");
            return;
        }
        text.remove_prefix(4);
        const std::string opd(TrimBlanks(text.substr(0, 3)));
        if (!asm_.IsLegalOperandString(opd)) {
            m_.ErrorMessage("Illegal Operand " + opd + " in paste operation");
            return;
        }
        if (a >= kMemorySize) {
            m_.ErrorMessage("Attempt to paste beyond end of address range");
            return;
        }
        m_.SetOperatorText(a, opr);
        m_.SetOperandText(a, opd);
        ++a;
        text.remove_prefix(6);
    }
}

bool CellClipboard::AskToClear() {
    return m_.Msg(Icon::Question, Buttons::OkCancel, "ZEB", "About to clear memory") == Answer::Ok;
}

void CellClipboard::ClearMemory() {
    m_.InitMemory();
    m_.resetacc();
    m_.ResetPC();
    m_.display().ClearPrinterStrip();
    editor_.ResetCurrentCell();
}

void CellClipboard::clearicon_Click() {
    if (!m_.host().ValidClick("clearicon", 0) || m_.Running) return;
    // During the guided demonstration the memory is cleared whatever the answer.
    const bool ok = AskToClear() || m_.DemoMode;
    if (ok) ClearMemory();
    m_.ClearCellColours();
    editor_.Operator_Click(0);
}

void CellClipboard::MnuNew_Click() {
    if (m_.Running) return;
    if (AskToClear()) {
        ClearMemory();
        m_.CurrentFileName.clear();
    }
    m_.ClearCellColours();
}

} // namespace zeb
