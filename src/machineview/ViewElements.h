#pragma once
#include "core/Preferences.h"

namespace zeb::machineview {

// Display fields of the Machine view, named after the controls that show them.
enum class Field {
    PnlPC,
    PnlIns,
    PnlOperand,
    PnlDecoder,
    PnlGen,
    PnlACC,
    PnlSP,
    PnlStatus,
    TxtExplain,
    lblClock,
};
inline constexpr int kFieldCount = 10;

// The gateways, shown as check boxes (checked = open).
enum class Gateway { ChkAddDecoder, ChkSP, ChkIns, ChkPC, ChkAcc, ChkGen, ChkLDA, ChkJMP };
inline constexpr int kGatewayCount = 8;

// Controls whose enabled state the steps change.
enum class Control { CmdRun, CmdStop, CmdContinue, CmdCancel, ChkWait };
inline constexpr int kControlCount = 5;

// Wires are Line1 to Line44.
inline constexpr int kWireCount = 44;
inline constexpr int kDecoderToMemoryWire = 16;
// Lit in pure red whatever the highlight colour, so it is wide only while that is red too.
inline constexpr Colour kDecoderWireColour = kRed;

struct Wire {
    Colour colour = kBlack;
    int width = 1;
    bool visible = true;
};

// The memory table: row n is address n; address, operator and operand columns.
inline constexpr int kGridRows = 80;
inline constexpr int kGridColumns = 3;

struct GridSelection {
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 0;
    int lastColumn = 0;
};

} // namespace zeb::machineview
