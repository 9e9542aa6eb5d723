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
    Memory() { colours_.fill({kGrey, kGrey}); }

    Field& field(int address, Half half) {
        return half == Half::Operator ? operator_[at(address)] : operand_[at(address)];
    }
    const Field& field(int address, Half half) const {
        return half == Half::Operator ? operator_[at(address)] : operand_[at(address)];
    }
    Colour colour(int address, Half half) const {
        const CellColours& cell = colours_[at(address)];
        return half == Half::Operator ? cell.ofOperator : cell.ofOperand;
    }
    // False when the half already had that colour.
    bool setColour(int address, Half half, Colour colour) {
        CellColours& cell = colours_[at(address)];
        Colour& slot = half == Half::Operator ? cell.ofOperator : cell.ofOperand;
        if (slot == colour) return false;
        slot = colour;
        return true;
    }
    // Both halves; false when both already had that colour.
    bool setCellColour(int address, Colour colour) {
        CellColours& cell = colours_[at(address)];
        if (cell.ofOperator == colour && cell.ofOperand == colour) return false;
        cell.ofOperator = colour;
        cell.ofOperand = colour;
        return true;
    }

  private:
    static std::size_t at(int address) { return static_cast<std::size_t>(address); }

    std::array<Field, kMemorySize> operator_{};
    std::array<Field, kMemorySize> operand_{};
    // A cell's halves side by side: the PC's highlight moves both at once.
    struct CellColours {
        Colour ofOperator;
        Colour ofOperand;
    };
    std::array<CellColours, kMemorySize> colours_{};
};

} // namespace zeb
