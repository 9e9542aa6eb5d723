#pragma once
#include "core/Preferences.h"

#include <array>
#include <initializer_list>
#include <string>

namespace zeb::teaching {

// The latch of two OR and two NOT gates, walked through one step per click.
// Every point of the circuit holds a bit; wires hold the colour they were last
// given (black, or the action highlight colour at the moment they were lit).
class FlipFlopDemo {
  public:
    // The points of the circuit that show a bit, upper row first.
    enum Node {
        SetInput,
        ResetInput,
        SetOrOutput,    // output of the OR gate fed by Set
        FirstNotOutput, // output of the NOT gate after it, fed to the Reset OR gate
        ResetOrOutput,  // output of the OR gate fed by Reset
        Output,         // output of the second NOT gate: the flip-flop's output
        FedBackInput,   // the output fed back into the Set OR gate
        NodeCount
    };
    enum class Sequence { None, Set, Reset };

    // The wires by their line numbers, in the order of the signal path.
    static constexpr std::array<int, 12> kLines = {10, 9, 20, 22, 21, 19, 18, 16, 13, 15, 14, 12};

    explicit FlipFlopDemo(const Preferences& preferences) : preferences_(preferences) {}

    bool value(Node node) const { return values_.at(node); }
    Colour wireColour(int lineNumber) const;
    // Running: Continue and Stop work; idle: Set Sequence and Reset Sequence do.
    bool running() const { return running_; }
    // The step now shown, 1 to 6.
    int step() const { return step_; }
    Sequence sequence() const { return sequence_; }
    const std::string& status() const { return status_; }
    void clearStatus() { status_.clear(); }

    // Showing the demonstration: all wires black, idle; values and step stay.
    void makeIdle();
    void startSetSequence();
    void startResetSequence();
    // After step 6 the sequence goes on at step 2.
    void continueSequence();
    void stop();

  private:
    void showSetStep(int step);
    void showResetStep(int step);
    void blackenWires();
    void lightWires(std::initializer_list<int> lineNumbers);
    static int wireIndex(int lineNumber);

    const Preferences& preferences_;
    std::array<bool, NodeCount> values_{};
    std::array<Colour, kLines.size()> wireColours_{};
    int step_ = 1;
    Sequence sequence_ = Sequence::None;
    std::string status_;
    bool running_ = false;
};

} // namespace zeb::teaching
