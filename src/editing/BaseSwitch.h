#pragma once
#include "core/Machine.h"
#include "editing/Assembler.h"

namespace zeb {

// Switching the whole display between decimal and hexadecimal, and between
// numbers and mnemonics.
class BaseSwitch {
  public:
    BaseSwitch(Machine& machine, Assembler& assembler) : m_(machine), asm_(assembler) {}

    void ChangeBase(int newBase);
    void ChangeKeyPad(int newBase) { m_.display().SetKeypadBase(newBase == 10 ? 10 : 16); }
    void ChangeNumberBase(int newBase);
    void ChangeLabels(int newBase);

    void MnHexadecimal_Click() { ChangeBase(m_.NumberBase == 10 ? 16 : 10); }
    void mnDissassemble_Click();

  private:
    Machine& m_;
    Assembler& asm_;
};

} // namespace zeb
