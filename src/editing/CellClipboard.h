#pragma once
#include "core/Machine.h"
#include "editing/Assembler.h"
#include "editing/MemoryEditor.h"

#include <string>

namespace zeb {

// Marked cells through the clipboard as 10-character lines, and clearing the
// whole memory.
class CellClipboard {
  public:
    CellClipboard(Machine& machine, Assembler& assembler, MemoryEditor& editor)
        : m_(machine), asm_(assembler), editor_(editor) {}

    void mCopy_Click() { CopySelectedCells(); }
    void mCut_Click() {
        CopySelectedCells();
        ClearSelectedCells();
    }
    void mDelete_Click() { ClearSelectedCells(); }
    void mPaste_Click() { PasteToZeb(); }

    // The clipboard text of the marked cells ("" when none is marked).
    std::string SelectedCellsText() const;
    void CopySelectedCells();
    void ClearSelectedCells();
    void PasteToZeb();
    void ClearCell(int a);

    void clearicon_Click();
    void MnuNew_Click();

  private:
    bool Marked(int a) const { return m_.OperatorColour(a) == kGreen; }
    bool AskToClear();
    void ClearMemory();

    Machine& m_;
    Assembler& asm_;
    MemoryEditor& editor_;
};

} // namespace zeb
