#pragma once
#include "teaching/TruthTable.h"

#include <array>

namespace zeb::teaching {

enum class GateKind { And, Or, Not, HalfAdder, FullAdder };

// One of the combinational demonstrations: input bits the student toggles,
// outputs that follow at once, and the truth-table row matching the inputs.
class GateDemo {
  public:
    explicit GateDemo(GateKind kind) : kind_(kind) {}

    GateKind kind() const { return kind_; }
    int inputCount() const;
    int outputCount() const;

    bool input(int index) const { return inputs_.at(index); }
    bool output(int index) const;
    void toggleInput(int index);

    // Row 1 + the inputs read as a binary number, first input most significant.
    int highlightedRow() const;

    const TruthTable& table() const;
    static const TruthTable& tableFor(GateKind kind);

  private:
    GateKind kind_;
    std::array<bool, 3> inputs_{};
};

} // namespace zeb::teaching
