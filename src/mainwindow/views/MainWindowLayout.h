#pragma once

namespace zeb::views {

struct MainWindowControls;

// Positions on the main window's client area, in twips.
namespace layout {

// The memory grid: five columns of 16 cells, each column its address labels
// followed by operator and operand fields; neighbouring rows share a border.
inline constexpr int kGridLeft = 120;
inline constexpr int kGridTop = 120;
inline constexpr int kLabelWidth = 330;
inline constexpr int kCellWidth = 400;
inline constexpr int kCellHeight = 240;
inline constexpr int kFieldGap = 15;
inline constexpr int kRowStep = kCellHeight - 30;
inline constexpr int kColumnGap = 80;
inline constexpr int kColumnPitch = kLabelWidth + 2 * kCellWidth + kFieldGap + kColumnGap;
inline constexpr int kLabelHeight = 15 * kRowStep + kCellHeight;

constexpr int labelLeft(int column) {
    return kGridLeft + column * kColumnPitch;
}
constexpr int operatorLeft(int address) {
    return labelLeft(address / 16) + kLabelWidth;
}
constexpr int operandLeft(int address) {
    return operatorLeft(address) + kCellWidth + kFieldGap;
}
constexpr int cellTop(int address) {
    return kGridTop + (address % 16) * kRowStep;
}

inline constexpr int kGridRight = labelLeft(4) + kLabelWidth + 2 * kCellWidth + kFieldGap;
inline constexpr int kGridBottom = kGridTop + kLabelHeight;

// Keypad, run controls and printer stand right of the grid.
inline constexpr int kPanelLeft = kGridRight + 210;
inline constexpr int kPadWidth = 660;
inline constexpr int kPadHeight = 510;
inline constexpr int kPadGap = 60;
inline constexpr int kPanelWidth = 4 * kPadWidth + 3 * kPadGap;
inline constexpr int kPanelRight = kPanelLeft + kPanelWidth;
inline constexpr int kDeleteTop = kGridTop + 4 * (kPadHeight + kPadGap);
inline constexpr int kSmallButtonHeight = 390;
inline constexpr int kRunTop = kDeleteTop + kSmallButtonHeight + 150;
inline constexpr int kRunButtonWidth = (kPanelWidth - 3 * kPadGap) / 4;
inline constexpr int kSliderTop = kRunTop + kSmallButtonHeight + 90;
inline constexpr int kSliderHeight = 330;
inline constexpr int kSpeedLabelWidth = 480;
inline constexpr int kPrinterTop = kSliderTop + kSliderHeight + 120;
inline constexpr int kPaperLineHeight = 270;
inline constexpr int kPrinterWidth = 900;
inline constexpr int kPaperLeft = kPanelLeft + kPrinterWidth + kPadGap;

// Registers below the grid, each a reset button or label with its field
// beside it: AC, PC and SP in the first row, Status and Interrupt below.
inline constexpr int kRegisterTop = kGridBottom + 180;
inline constexpr int kRegisterRowStep = 420;
inline constexpr int kRegisterHeight = 330;
inline constexpr int kBesideGap = 60;
inline constexpr int kRegisterGroupGap = 240;
inline constexpr int kResetButtonWidth = 450;
inline constexpr int kRegisterWidth = 900;
inline constexpr int kStackPointerWidth = 600;
inline constexpr int kStatusLabelWidth = 660;
inline constexpr int kStatusRegisterWidth = 450;
inline constexpr int kInterruptLabelWidth = 900;
inline constexpr int kInterruptWidth = 330;

inline constexpr int kClientWidth = kPanelRight + 150;
inline constexpr int kClientHeight = kPrinterTop + 4 * kPaperLineHeight + 150;

} // namespace layout

// Places every control of the client area.
void layOutControls(const MainWindowControls& controls);

} // namespace zeb::views
