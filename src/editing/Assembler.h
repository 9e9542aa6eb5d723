#pragma once
#include "core/Machine.h"

#include <string_view>

namespace zeb {

// What may stand in a cell, and the whole-memory passes between numbers and
// mnemonics.
class Assembler {
  public:
    explicit Assembler(Machine& machine) : m_(machine) {}

    bool ValidByte(std::string_view text);
    bool IsLegalOperandString(std::string_view text);
    bool IsLegalOperatorString(std::string_view text, bool partial);

    bool CanAssemble();
    bool AssembleAll();
    void DisAssemble();

  private:
    Machine& m_;
};

} // namespace zeb
