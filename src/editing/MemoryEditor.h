#pragma once
#include "core/Machine.h"
#include "editing/Assembler.h"

#include <string>

namespace zeb {

// The keys the memory grid moves with.
enum class NavKey { Home, End, Left, Right, Up, Down };

// The current field of the memory grid and how keypad clicks, typed
// characters and the arrow keys change it; the marking of cells for the Edit
// menu. Fields are written as texts: the machine's memory is what they show.
class MemoryEditor {
  public:
    static constexpr int kOperandBase = 100;
    static constexpr int kDeletePad = 16;
    static constexpr Colour kWhite = 0xFFFFFF;
    static constexpr char kBackspace = 8;

    MemoryEditor(Machine& machine, Assembler& assembler) : m_(machine), asm_(assembler) {}

    int CurrentCell() const { return currentCell_; }
    bool SelectionActive() const { return selectionActive_; }
    // Clearing memory starts again at the operator of address 0.
    void ResetCurrentCell() { currentCell_ = 0; }

    static bool CellIsOperand(int code) { return code >= kOperandBase; }
    std::string CurrentValue(int code) const;
    void SetCurrent(const std::string& text);

    void Operator_Click(int a);
    void Operand_Click(int a);
    // A button pressed on an operator field, before its click: Shift+left
    // marks the address, any other press ends a marking.
    void Operator_MouseDown(int a, bool leftButton, bool shift);

    void pads_Click(int i);
    // A character typed on the main window (its code, Backspace = 8).
    void Form_KeyPress(char key);
    // A navigation key released on the main window.
    void Form_KeyUp(NavKey key);

    // Status-bar texts while the pointer rests on a field or a keypad button.
    std::string OperatorStatusText(int a);
    std::string OperandStatusText(int a);
    static std::string PadStatusText(int i);

  private:
    void MakeCurrent(int code);
    void DeleteLast();
    std::string DigitsOf(int i) const;
    std::int32_t OperatorValueForStatus(int a);

    Machine& m_;
    Assembler& asm_;
    int currentCell_ = 0;
    bool selectionActive_ = false;
};

} // namespace zeb
