#include "machineview/ClockChart.h"

namespace zeb::machineview {

namespace {

struct ChartRow {
    const char* gateway;
    std::array<int, 2> openIn; // cycles; 0 for none
};

// The timing the fetch and store cycles follow for every instruction.
constexpr std::array<ChartRow, ClockChart::kRows - 1> kChart{{
    {"Address Decoder", {1, 3}},
    {"Instruc/Operand", {2, 3}},
    {"Program Counter", {1, 0}},
    {"Accumulator", {0, 0}},
    {"General Purpose", {4, 6}},
}};

} // namespace

ClockChart::ClockChart() {
    for (int cycle = 1; cycle < kColumns; ++cycle)
        cells_[0][static_cast<std::size_t>(cycle)] = std::to_string(cycle);
    for (std::size_t row = 1; row < kRows; ++row) {
        const ChartRow& r = kChart[row - 1];
        cells_[row][0] = r.gateway;
        for (int cycle : r.openIn)
            if (cycle > 0) cells_[row][static_cast<std::size_t>(cycle)] = "X";
    }
}

const std::string& ClockChart::text(int row, int column) const {
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void ClockChart::toggle() {
    checked_ = !checked_;
    shown_ = checked_;
    changed();
}

void ClockChart::hide() {
    checked_ = false;
    shown_ = false;
    changed();
}

void ClockChart::hideWithView() {
    shown_ = false;
    changed();
}

void ClockChart::showCycle(int cycle) {
    if (!shown_) return;
    caption_ = "Clock Cycle " + std::to_string(cycle);
    markedColumn_ = cycle;
    changed();
}

} // namespace zeb::machineview
