#pragma once
#include "core/Field.h"
#include "core/Types.h"

#include <array>

namespace zeb {

// The five register fields, as start-up leaves them until it writes them.
class Registers {
  public:
    Registers() {
        field(Register::Acc).setText("     0");
        field(Register::PC).setText("     0");
        field(Register::SP).setText("64");
        field(Register::Status).setText("0");
        field(Register::Interrupt).setText("0");
    }

    Field& field(Register reg) { return fields_[static_cast<std::size_t>(reg)]; }
    const Field& field(Register reg) const { return fields_[static_cast<std::size_t>(reg)]; }

  private:
    std::array<Field, 5> fields_{};
};

} // namespace zeb
