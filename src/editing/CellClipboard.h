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
    void clearCell(int a);

    void clearAll();
    void newProgram();

  private:
    bool isMarked(int a) const { return m_.operatorColour(a) == kGreen; }
    bool askToClear();
    void clearMemoryNow();

    Machine& m_;
    Assembler& asm_;
    MemoryEditor& editor_;
};

} // namespace zeb
