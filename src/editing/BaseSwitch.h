#pragma once
#include "core/Machine.h"
#include "editing/Assembler.h"

namespace zeb {

// Switching the whole display between decimal and hexadecimal, and between
// numbers and mnemonics.
class BaseSwitch {
  public:
    BaseSwitch(Machine& machine, Assembler& assembler) : m_(machine), asm_(assembler) {}

    void changeBase(int newBase);
    void changeKeypad(int newBase) { m_.display().setKeypadBase(newBase == 10 ? 10 : 16); }
    void changeNumberBase(int newBase);
    void changeLabels(int newBase);

    void toggleHexadecimal() { changeBase(m_.NumberBase == 10 ? 16 : 10); }
    void toggleMnemonics();

  private:
    Machine& m_;
    Assembler& asm_;
};

} // namespace zeb
