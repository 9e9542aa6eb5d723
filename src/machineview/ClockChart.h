#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>

namespace zeb::machineview {

// The clock chart: which bus gateways are open in which of the seven cycles
// of a fetch and store, with the current cycle marked while it is shown.
class ClockChart {
  public:
    // Row 0 holds the cycle numbers, column 0 the gateway names.
    static constexpr int kRows = 6;
    static constexpr int kColumns = 8;
    // Widths in twips of the name column and of each cycle column.
    static constexpr int kNameColumnWidth = 1600;
    static constexpr int kCycleColumnWidth = 260;

    ClockChart();

    // Told of every change of caption, marked column or visibility.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    const std::string& text(int row, int column) const;
    const std::string& caption() const { return caption_; }
    // The column of the current cycle, selected from row 1 down.
    std::optional<int> markedColumn() const { return markedColumn_; }

    bool shown() const { return shown_; }
    // The check mark of "Show Clock".
    bool showClockChecked() const { return checked_; }
    // "Show Clock", and a double-click on the clock picture.
    void toggle();
    // The chart's own "Hide" button.
    void hide();
    // Cancelling the view hides the chart and leaves the check mark.
    void hideWithView();

    // Cycle 1 to 7 is shown; only a chart on screen follows it.
    void showCycle(int cycle);

  private:
    void changed() {
        if (onChange_) onChange_();
    }

    std::array<std::array<std::string, kColumns>, kRows> cells_{};
    std::string caption_ = "Clock";
    std::optional<int> markedColumn_;
    bool shown_ = false;
    bool checked_ = false;
    std::function<void()> onChange_;
};

} // namespace zeb::machineview
