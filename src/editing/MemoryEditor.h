#pragma once
#include "core/Machine.h"
#include "editing/Assembler.h"

#include <string>

namespace zeb {

// One field of the memory grid: a cell's operator or operand.
struct CellHalf {
    int address = 0;
    Half half = Half::Operator;
    bool operator==(const CellHalf&) const = default;
};

// The keys the memory grid moves with.
enum class NavKey { Home, End, Left, Right, Up, Down };

// The current field of the memory grid and how keypad clicks, typed
// characters and the arrow keys change it; the marking of cells for the Edit
// menu. Fields are written as texts: the machine's memory is what they show.
class MemoryEditor {
  public:
    static constexpr int kDeletePad = 16;
    static constexpr Colour kWhite = 0xFFFFFF;
    static constexpr char kBackspace = 8;

    MemoryEditor(Machine& machine, Assembler& assembler)
        : machine_(machine), assembler_(assembler) {}

    CellHalf currentCell() const { return currentCell_; }
    bool selectionActive() const { return selectionActive_; }
    // Clearing memory starts again at the operator of address 0.
    void resetCurrentCell() { currentCell_ = {}; }

    std::string currentValue(CellHalf field) const;
    void setCurrent(const std::string& text);

    void selectOperator(int address);
    void selectOperand(int address);
    // A button pressed on an operator field, before its click: Shift+left
    // marks the address, any other press ends a marking.
    void pressOperator(int address, bool leftButton, bool shift);
    // Marks the address of the current field, as Shift+click on its operator.
    void markCurrent();

    void pressPad(int pad);
    // A character typed on the main window (its code, Backspace = 8).
    void typeCharacter(char key);
    // A navigation key released on the main window.
    void navigate(NavKey key);

    // Status-bar texts while the pointer rests on a field or a keypad button.
    std::string operatorStatusText(int address);
    std::string operandStatusText(int address);
    static std::string padStatusText(int pad);

  private:
    void makeCurrent(CellHalf field);
    void deleteLast();
    // Entry by key or keypad: a student who cannot see the field hears its
    // new text, or that the key changed nothing.
    void tellEntry(bool accepted);
    std::string digitsOf(int pad) const;
    std::int32_t operatorValueForStatus(int address);

    Machine& machine_;
    Assembler& assembler_;
    CellHalf currentCell_;
    bool selectionActive_ = false;
};

} // namespace zeb
