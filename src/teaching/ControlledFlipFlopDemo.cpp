#include "teaching/ControlledFlipFlopDemo.h"

namespace zeb::teaching {

void ControlledFlipFlopDemo::toggleControl() {
    control_ = !control_;
    latchWhileControlled();
}

void ControlledFlipFlopDemo::toggleData() {
    data_ = !data_;
    latchWhileControlled();
}

void ControlledFlipFlopDemo::latchWhileControlled() {
    if (control_) output_ = data_;
}

const TruthTable& ControlledFlipFlopDemo::table() {
    static const TruthTable table{{"Control", "Data", "Result"},
                                  {"0", "0", " - "},
                                  {"0", "1", " - "},
                                  {"1", "0", "Reset"},
                                  {"1", "1", "Set"}};
    return table;
}

} // namespace zeb::teaching
