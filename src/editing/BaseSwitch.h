#pragma once
#include "core/Machine.h"
#include "editing/Assembler.h"

namespace zeb {

// Switching the whole display between decimal and hexadecimal, and between
// numbers and mnemonics.
class BaseSwitch {
  public:
    BaseSwitch(Machine& machine, Assembler& assembler) : m_(machine), asm_(assembler) {}

    // Everything: cells, registers, keypad faces and address labels.
    void changeBase(NumberBase newBase);
    void changeKeypad(NumberBase newBase) { m_.display().setKeypadBase(radix(newBase)); }
    // The cells alone, read in the current base and rewritten in the new one,
    // which becomes the machine's base.
    void changeNumberBase(NumberBase newBase);
    void changeLabels(NumberBase newBase) { m_.display().setLabelBase(radix(newBase)); }

    void toggleHexadecimal() {
        changeBase(m_.base() == NumberBase::Decimal ? NumberBase::Hexadecimal
                                                    : NumberBase::Decimal);
    }
    void toggleMnemonics();

  private:
    // While mnemonics are shown, an operator written as a number is
    // converted like an operand; a mnemonic or a part of one stays.
    bool operatorIsNumber(int a) const;

    Machine& m_;
    Assembler& asm_;
};

} // namespace zeb
