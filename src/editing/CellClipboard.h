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
        : machine_(machine), assembler_(assembler), editor_(editor) {}

    void copy() { copySelectedCells(); }
    void cut() {
        copySelectedCells();
        clearSelectedCells();
    }
    void deleteMarked() { clearSelectedCells(); }
    void paste() { pasteToMemory(); }

    // The clipboard text of the marked cells ("" when none is marked).
    std::string selectedCellsText() const;
    void copySelectedCells();
    void clearSelectedCells();
    void pasteToMemory();
    void clearCell(int address);

    void clearAll();
    void newProgram();

  private:
    bool isMarked(int address) const { return machine_.operatorColour(address) == kGreen; }
    bool askToClear();
    void clearMemoryNow();

    Machine& machine_;
    Assembler& assembler_;
    MemoryEditor& editor_;
};

} // namespace zeb
