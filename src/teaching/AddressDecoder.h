#pragma once
#include "core/Preferences.h"
#include "teaching/TruthTable.h"

#include <array>

namespace zeb::teaching {

// A 2-bit address decoder: exactly one of four output lines is 1. It keeps
// the colour of every wire of its logic view (which also holds the input and
// output wires both views show), black for 0 and the highlight colour for 1.
class AddressDecoder {
  public:
    // Wires by line number, grouped by the signal they carry.
    static constexpr std::array<int, 7> kLowLines = {14, 20, 21, 22, 38, 26, 31};
    static constexpr std::array<int, 2> kNotLowLines = {29, 32};
    static constexpr std::array<int, 7> kHighLines = {15, 23, 24, 25, 27, 33, 39};
    static constexpr std::array<int, 2> kNotHighLines = {28, 30};
    // Output n (A to D) is carried by lines 34 + n inside and 16 + n outside.
    static constexpr int kFirstLine = 14;
    static constexpr int kLastLine = 39;

    explicit AddressDecoder(const Preferences& preferences) : preferences_(preferences) {}

    bool low() const { return inputs_[0]; }
    bool high() const { return inputs_[1]; }
    int address() const { return 2 * high() + low(); }
    bool input(int index) const { return inputs_.at(index); }
    bool output(int index) const { return outputs_.at(index); }
    // 0 until the decoder is first refreshed.
    int highlightedRow() const { return highlightedRow_; }
    Colour wireColour(int lineNumber) const;

    bool logicView() const { return logicView_; }
    void setLogicView(bool on) { logicView_ = on; }

    // Toggles an input (0 Low, 1 High) and refreshes.
    void toggleInput(int index);
    // Sets the output lines, the highlighted row and the wire colours from the inputs.
    void refresh();

    static const TruthTable& table();

  private:
    void setWire(int lineNumber, bool lit);

    const Preferences& preferences_;
    std::array<bool, 2> inputs_{};
    std::array<bool, 4> outputs_{};
    int highlightedRow_ = 0;
    bool logicView_ = false;
    std::array<Colour, kLastLine - kFirstLine + 1> wireColours_{};
};

} // namespace zeb::teaching
