#pragma once
#include <optional>
#include <string>

namespace zeb {

// The numeric input window INP asks.
class NumberInput {
  public:
    virtual ~NumberInput() = default;
    // Shown modally; the text it was closed with. No value means the program
    // is ending: the instruction is abandoned.
    virtual std::optional<std::string> askNumber() = 0;
};

} // namespace zeb
