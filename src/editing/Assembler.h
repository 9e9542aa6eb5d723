#pragma once
#include "core/Machine.h"

#include <string_view>

namespace zeb {

// What may stand in a cell, and the whole-memory passes between numbers and
// mnemonics.
class Assembler {
  public:
    explicit Assembler(Machine& machine) : machine_(machine) {}

    bool isValidByte(std::string_view text);
    bool isLegalOperandText(std::string_view text);
    bool isLegalOperatorText(std::string_view text, bool partial);

    bool canAssemble();
    bool assembleAll();
    void disassembleAll();

  private:
    Machine& machine_;
};

} // namespace zeb
