#pragma once
#include "core/Preferences.h"

#include <array>
#include <string>

namespace zeb::teaching {

// The latch of two OR and two NOT gates, walked through one step per click.
// Panels are bits; wires hold the colour they were last given (black or the
// action highlight colour at the moment they were lit).
class FlipFlopDemo {
  public:
    enum Panel { FlipSet, FlipReset, OrOut1, NotOut1, OrOut2, FlipOut, Or1Input2, PanelCount };

    // The wires by their line numbers, in the order of the signal path.
    static constexpr std::array<int, 12> kLines = {10, 9, 20, 22, 21, 19, 18, 16, 13, 15, 14, 12};

    explicit FlipFlopDemo(const Preferences& preferences) : preferences_(preferences) {}

    bool panel(Panel p) const { return panels_.at(p); }
    Colour line(int number) const;
    bool running() const { return running_; }
    int sequenceStep() const { return SequenceStep; }
    // The tag of the Continue button: "SET" or "RESETSET"; anything but "SET" means reset.
    const std::string& mode() const { return mode_; }
    const std::string& status() const { return status_; }
    void clearStatus() { status_.clear(); }

    void InitFlipFlopDemo();
    void setSequence();
    void resetSequence();
    void continueSequence();
    void stop();

    void SetFlipFlop(int step);
    void ReSetFlipFlop(int step);
    void ClearFlipFlopLines();
    void EnableSequenceButtons(bool running) { running_ = running; }

  private:
    void light(std::initializer_list<int> lines);
    static int slot(int number);

    const Preferences& preferences_;
    std::array<bool, PanelCount> panels_{};
    std::array<Colour, kLines.size()> lines_{};
    int SequenceStep = 1;
    std::string mode_;
    std::string status_;
    bool running_ = false;
};

} // namespace zeb::teaching
