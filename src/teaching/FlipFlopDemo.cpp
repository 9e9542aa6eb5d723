#include "teaching/FlipFlopDemo.h"

#include <algorithm>
#include <stdexcept>

namespace zeb::teaching {

int FlipFlopDemo::wireIndex(int lineNumber) {
    const auto it = std::find(kLines.begin(), kLines.end(), lineNumber);
    if (it == kLines.end()) throw std::out_of_range("FlipFlopDemo: no such line");
    return static_cast<int>(it - kLines.begin());
}

Colour FlipFlopDemo::wireColour(int lineNumber) const {
    return wireColours_[wireIndex(lineNumber)];
}

void FlipFlopDemo::lightWires(std::initializer_list<int> lineNumbers) {
    for (int number : lineNumbers)
        wireColours_[wireIndex(number)] = preferences_.highlightColour;
}

void FlipFlopDemo::blackenWires() {
    wireColours_.fill(kBlack);
}

void FlipFlopDemo::makeIdle() {
    blackenWires();
    running_ = false;
}

void FlipFlopDemo::startSetSequence() {
    sequence_ = Sequence::Set;
    running_ = true;
    step_ = 1;
    values_[ResetInput] = false;
    showSetStep(step_);
}

void FlipFlopDemo::startResetSequence() {
    sequence_ = Sequence::Reset;
    running_ = true;
    step_ = 1;
    values_[SetInput] = false;
    showResetStep(step_);
}

void FlipFlopDemo::continueSequence() {
    // After step 6 the signal keeps circulating round the loop: 2 to 6 again.
    step_ = step_ == 6 ? 2 : step_ + 1;
    if (sequence_ == Sequence::Set)
        showSetStep(step_);
    else
        showResetStep(step_);
}

void FlipFlopDemo::stop() {
    blackenWires();
    running_ = false;
}

void FlipFlopDemo::showSetStep(int step) {
    switch (step) {
    case 1:
        status_ = "A logical 1 is applied to the first OR gate";
        values_[SetInput] = true;
        lightWires({10});
        break;
    case 2:
        status_ = "This forces a 1 on the output of the OR gate";
        values_[SetOrOutput] = true;
        lightWires({9});
        break;
    case 3:
        status_ = "The NOT gate gives the result of 0 which is fed to the second OR gate";
        values_[FirstNotOutput] = false;
        lightWires({20, 19, 21, 22});
        break;
    case 4:
        status_ = "The result from the second OR gate is 0";
        values_[ResetOrOutput] = false;
        lightWires({16});
        break;
    case 5:
        status_ = "The NOT gate yields the value of 1 at the Flip flop's output";
        values_[Output] = true;
        lightWires({13});
        break;
    case 6:
        status_ = "The output value is fed back to the Set OR Gate, at which point the initial 1 "
                  "may cease";
        values_[FedBackInput] = true;
        blackenWires();
        lightWires({15, 14, 12});
        values_[SetInput] = false;
        break;
    default:
        break;
    }
}

void FlipFlopDemo::showResetStep(int step) {
    switch (step) {
    case 1:
        status_ = "A logical 1 is applied to the Reset OR gate";
        values_[ResetInput] = true;
        lightWires({18});
        break;
    case 2:
        status_ = "This forces a 1 at the output of the OR gate";
        values_[ResetOrOutput] = true;
        lightWires({16});
        break;
    case 3:
        status_ = "The result of the NOT gate is a 0";
        values_[Output] = false;
        lightWires({13});
        break;
    case 4:
        status_ = "This is fed back to the Set OR gate";
        values_[FedBackInput] = false;
        lightWires({15, 14, 12});
        break;
    case 5:
        status_ = "Both inputs of the Set OR gate are now 0, so its result is 0";
        values_[SetOrOutput] = false;
        lightWires({9});
        break;
    case 6:
        status_ = "The result of the NOT is a 1 which is fed to the Reset OR Gate, the Reset 1 "
                  "can now stop";
        blackenWires();
        values_[FirstNotOutput] = true;
        lightWires({20, 22, 21, 19});
        values_[ResetInput] = false;
        break;
    default:
        break;
    }
}

} // namespace zeb::teaching
