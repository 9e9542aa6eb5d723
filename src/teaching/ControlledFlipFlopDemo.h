#pragma once
#include "teaching/TruthTable.h"

namespace zeb::teaching {

// A flip-flop behind two AND gates: the output follows Data only while
// Control is 1, and otherwise keeps what it last received.
class ControlledFlipFlopDemo {
  public:
    bool control() const { return control_; }
    bool data() const { return data_; }
    bool output() const { return output_; }
    int highlightedRow() const { return 1 + 2 * control_ + data_; }

    void toggleControl();
    void toggleData();

    static const TruthTable& table();

  private:
    void latchWhileControlled();

    bool control_ = false;
    bool data_ = false;
    bool output_ = false;
};

} // namespace zeb::teaching
