#include "teaching/FlipFlopDemo.h"

#include <algorithm>
#include <stdexcept>

namespace zeb::teaching {

int FlipFlopDemo::slot(int number) {
    const auto it = std::find(kLines.begin(), kLines.end(), number);
    if (it == kLines.end()) throw std::out_of_range("FlipFlopDemo: no such line");
    return static_cast<int>(it - kLines.begin());
}

Colour FlipFlopDemo::line(int number) const {
    return lines_[slot(number)];
}

void FlipFlopDemo::light(std::initializer_list<int> lines) {
    for (int number : lines)
        lines_[slot(number)] = preferences_.highlightColour;
}

void FlipFlopDemo::ClearFlipFlopLines() {
    lines_.fill(kBlack);
}

void FlipFlopDemo::InitFlipFlopDemo() {
    ClearFlipFlopLines();
    EnableSequenceButtons(false);
}

void FlipFlopDemo::setSequence() {
    mode_ = "SET";
    EnableSequenceButtons(true);
    SequenceStep = 1;
    panels_[FlipReset] = false;
    SetFlipFlop(SequenceStep);
}

void FlipFlopDemo::resetSequence() {
    mode_ = "RESETSET";
    EnableSequenceButtons(true);
    SequenceStep = 1;
    panels_[FlipSet] = false;
    ReSetFlipFlop(SequenceStep);
}

void FlipFlopDemo::continueSequence() {
    // After step 6 the signal keeps circulating round the loop: 2 to 6 again.
    SequenceStep = SequenceStep == 6 ? 2 : SequenceStep + 1;
    if (mode_ == "SET")
        SetFlipFlop(SequenceStep);
    else
        ReSetFlipFlop(SequenceStep);
}

void FlipFlopDemo::stop() {
    ClearFlipFlopLines();
    EnableSequenceButtons(false);
}

void FlipFlopDemo::SetFlipFlop(int step) {
    switch (step) {
    case 1:
        status_ = "A logical 1 is applied to the first OR gate";
        panels_[FlipSet] = true;
        light({10});
        break;
    case 2:
        status_ = "This forces a 1 on the output of the OR gate";
        panels_[OrOut1] = true;
        light({9});
        break;
    case 3:
        status_ = "The NOT gate gives the result of 0 which is fed to the second OR gate";
        panels_[NotOut1] = false;
        light({20, 19, 21, 22});
        break;
    case 4:
        status_ = "The result from the second OR gate is 0";
        panels_[OrOut2] = false;
        light({16});
        break;
    case 5:
        status_ = "The NOT gate yields the value of 1 at the Flip flop's output";
        panels_[FlipOut] = true;
        light({13});
        break;
    case 6:
        status_ = "The output value is fed back to the Set OR Gate, at which point the initial 1 "
                  "may cease";
        panels_[Or1Input2] = true;
        ClearFlipFlopLines();
        light({15, 14, 12});
        panels_[FlipSet] = false;
        break;
    default:
        break;
    }
}

void FlipFlopDemo::ReSetFlipFlop(int step) {
    switch (step) {
    case 1:
        status_ = "A logical 1 is applied to the Reset OR gate";
        panels_[FlipReset] = true;
        light({18});
        break;
    case 2:
        status_ = "This forces a 1 at the output of the OR gate";
        panels_[OrOut2] = true;
        light({16});
        break;
    case 3:
        status_ = "The result of the NOT gate is a 0";
        panels_[FlipOut] = false;
        light({13});
        break;
    case 4:
        status_ = "This is fed back to the Set OR gate";
        panels_[Or1Input2] = false;
        light({15, 14, 12});
        break;
    case 5:
        status_ = "Both inputs of the Set OR gate are now 0, so its result is 0";
        panels_[OrOut1] = false;
        light({9});
        break;
    case 6:
        status_ = "The result of the NOT is a 1 which is fed to the Reset OR Gate, the Reset 1 "
                  "can now stop";
        ClearFlipFlopLines();
        panels_[NotOut1] = true;
        light({20, 22, 21, 19});
        panels_[FlipReset] = false;
        break;
    default:
        break;
    }
}

} // namespace zeb::teaching
