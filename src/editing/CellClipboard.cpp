#include "editing/CellClipboard.h"

namespace zeb {

namespace {} // namespace

std::string CellClipboard::selectedCellsText() const {
    std::string text;
    if (!editor_.selectionActive()) return text;
    for (int address = 0; address < kMemorySize; ++address)
        if (isMarked(address))
            text += padLeft(machine_.operatorText(address), 3) + "|" +
                    padLeft(machine_.operandText(address), 3) + "|\r\n";
    return text;
}

void CellClipboard::copySelectedCells() {
    const std::string text = selectedCellsText();
    if (!text.empty()) machine_.host().clipboard().setClipboardText(text);
}

void CellClipboard::clearSelectedCells() {
    if (!editor_.selectionActive()) return;
    for (int address = 0; address < kMemorySize; ++address)
        if (isMarked(address)) clearCell(address);
}

void CellClipboard::clearCell(int address) {
    machine_.setOperatorText(address, {});
    machine_.setOperandText(address, {});
}

void CellClipboard::pasteToMemory() {
    const std::string clipboard = machine_.host().clipboard().clipboardText();
    std::string_view text = clipboard; // consumed from the front, line by line
    // Pasting fills whole cells from the current operator on; from an
    // operand there is no room at all.
    const CellHalf current = editor_.currentCell();
    int address = current.half == Half::Operator ? current.address : kMemorySize;
    while (text.size() > 9) {
        const std::string opr(trimBlanks(text.substr(0, 3)));
        if (!assembler_.isLegalOperatorText(opr, true)) {
            machine_.report("Illegal Operator " + opr + " in paste operation");
            return;
        }
        text.remove_prefix(4);
        const std::string opd(trimBlanks(text.substr(0, 3)));
        if (!assembler_.isLegalOperandText(opd)) {
            machine_.report("Illegal Operand " + opd + " in paste operation");
            return;
        }
        if (address >= kMemorySize) {
            machine_.report("Attempt to paste beyond end of address range");
            return;
        }
        machine_.setOperatorText(address, opr);
        machine_.setOperandText(address, opd);
        ++address;
        text.remove_prefix(6);
    }
}

bool CellClipboard::askToClear() {
    return machine_.messageBox(Icon::Question, Buttons::OkCancel, "ZEB", "About to clear memory") ==
           Answer::Ok;
}

void CellClipboard::clearMemoryNow() {
    machine_.clearMemory();
    machine_.resetAcc();
    machine_.resetPC();
    machine_.display().clearPrinterStrip();
    editor_.resetCurrentCell();
    machine_.announcer().say("Memory cleared");
}

void CellClipboard::clearAll() {
    if (!machine_.host().commands().allows({Command::ClearMemory}) || machine_.runState().running())
        return;
    // During the guided demonstration the memory is cleared whatever the answer.
    const bool ok = askToClear() || machine_.view().demoMode();
    if (ok) clearMemoryNow();
    machine_.clearCellColours();
    editor_.selectOperator(0);
}

void CellClipboard::newProgram() {
    if (machine_.runState().running()) return;
    if (askToClear()) {
        clearMemoryNow();
        machine_.view().setCurrentFileName({});
    }
    machine_.clearCellColours();
}

} // namespace zeb
