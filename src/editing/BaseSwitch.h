#pragma once
#include "core/Machine.h"
#include "editing/Assembler.h"

#include <array>
#include <string>

namespace zeb {

// Switching the whole display between decimal and hexadecimal, and between
// numbers and mnemonics.
class BaseSwitch {
  public:
    BaseSwitch(Machine& machine, Assembler& assembler) : machine_(machine), assembler_(assembler) {}

    // Everything: cells, registers, keypad faces and address labels.
    void changeBase(NumberBase newBase);
    void changeKeypad(NumberBase newBase) { machine_.display().setKeypadBase(radix(newBase)); }
    // How a change treats an operator left as typed by an earlier change.
    enum class TypedText { Keep, ReadAsNumber };
    // The cells alone, read in the current base and rewritten in the new one,
    // which becomes the machine's base. Saving reads every number as a run
    // would (ReadAsNumber); the base commands keep what the student typed.
    void changeNumberBase(NumberBase newBase, TypedText typed = TypedText::Keep);
    void changeLabels(NumberBase newBase) { machine_.display().setLabelBase(radix(newBase)); }

    void toggleHexadecimal() {
        changeBase(machine_.view().base() == NumberBase::Decimal ? NumberBase::Hexadecimal
                                                                 : NumberBase::Decimal);
    }
    void toggleMnemonics();

  private:
    // While mnemonics are shown, an operator written as a number is
    // converted like an operand; a mnemonic or a part of one stays.
    bool operatorIsNumber(int address) const;

    Machine& machine_;
    Assembler& assembler_;
    // Operator texts a change left alone because they began a mnemonic ("A",
    // "AC" typed in decimal): the way back leaves them too, although they
    // read as hexadecimal numbers, so a round trip of bases changes no cell.
    std::array<std::string, kMemorySize> leftAsTyped_{};
};

} // namespace zeb
