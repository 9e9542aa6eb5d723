#pragma once
#include "core/Field.h"
#include "core/Preferences.h"
#include "core/Types.h"
#include "core/Words.h"

#include <array>

namespace zeb {

// The 80 cells: the operator and operand field of each and their colours.
class Memory {
  public:
    Memory() {
        operatorColour_.fill(kGrey);
        operandColour_.fill(kGrey);
    }

    Field& field(int address, Half half) {
        return half == Half::Operator ? operator_[at(address)] : operand_[at(address)];
    }
    const Field& field(int address, Half half) const {
        return half == Half::Operator ? operator_[at(address)] : operand_[at(address)];
    }
    Colour colour(int address, Half half) const {
        return half == Half::Operator ? operatorColour_[at(address)] : operandColour_[at(address)];
    }
    // False when the half already had that colour.
    bool setColour(int address, Half half, Colour colour) {
        Colour& slot =
            half == Half::Operator ? operatorColour_[at(address)] : operandColour_[at(address)];
        if (slot == colour) return false;
        slot = colour;
        return true;
    }

  private:
    static std::size_t at(int address) { return static_cast<std::size_t>(address); }

    std::array<Field, kMemorySize> operator_{};
    std::array<Field, kMemorySize> operand_{};
    std::array<Colour, kMemorySize> operatorColour_{};
    std::array<Colour, kMemorySize> operandColour_{};
};

} // namespace zeb
