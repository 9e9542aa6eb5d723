#pragma once
#include "core/Preferences.h"

#include <array>
#include <optional>

namespace zeb::teaching {

// Four locations of two bits behind an address decoder; AND gates let only
// the selected location through to the output. Wires keep the colour they
// were last given: nothing is computed until the student clicks.
//
// Each AND gate's output joins the output wire of its bit; the output wire
// carries the selected gate's output from that gate on to the output panel,
// and every other gate puts out 0.
class AddressedMemory {
  public:
    // The wires of one location, by line number.
    struct LocationLines {
        int select;
        std::array<int, 2> bit0;
        std::array<int, 2> bit1;
    };
    static constexpr std::array<LocationLines, 4> kLocationLines = {{
        {4, {3, 2}, {0, 1}},
        {11, {10, 9}, {7, 8}},
        {16, {14, 15}, {12, 13}},
        {21, {19, 20}, {17, 18}},
    }};
    // The wires that collect bit 0 and bit 1 for the output.
    static constexpr std::array<int, 2> kOutputLines = {6, 5};
    static constexpr int kLineCount = 22;

    explicit AddressedMemory(const Preferences& preferences) : preferences_(preferences) {}

    bool input(int index) const { return inputs_.at(index); }
    int address() const { return 2 * inputs_[1] + inputs_[0]; }
    bool control() const { return control_; }
    bool stored(int location, int bit) const { return locations_.at(location).at(bit); }
    bool output(int bit) const { return outputs_.at(bit); }
    Colour wireColour(int lineNumber) const { return wireColours_.at(lineNumber); }
    // The output of the AND gate of `bit` at `location`: its stored bit while
    // the location is selected, else 0.
    Colour gateOutputColour(int location, int bit) const {
        return gateOutputColours_.at(location).at(bit);
    }
    // The location whose select line is lit; none before the first read.
    std::optional<int> selectedLocation() const { return selectedLocation_; }

    // Toggles an address input (0 Lo, 1 Hi) and reads the new address out.
    void toggleInput(int index);
    void toggleControl() { control_ = !control_; }
    // Ignored unless Control is 1.
    void toggleStored(int location, int bit);

  private:
    void readOut();
    void setWire(int lineNumber, bool lit);

    const Preferences& preferences_;
    std::array<bool, 2> inputs_{};
    std::array<std::array<bool, 2>, 4> locations_{};
    std::array<bool, 2> outputs_{};
    bool control_ = false;
    std::array<Colour, kLineCount> wireColours_{};
    std::array<std::array<Colour, 2>, 4> gateOutputColours_{};
    std::optional<int> selectedLocation_;
};

} // namespace zeb::teaching
