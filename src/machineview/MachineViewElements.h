#pragma once
#include "core/Preferences.h"

#include <string_view>

namespace zeb::machineview {

// The texts the Machine view shows, one per display field of its window.
enum class ViewField {
    ProgramCounter,
    InstructionRegister,
    OperandRegister,
    AddressDecoder, // the decoder's input: an address, empty until one is sent
    GeneralPurpose,
    Accumulator,
    StackPointer,
    Status,      // the line along the lower edge
    Explanation, // what the current step does
    ClockCaption,
};
inline constexpr int kFieldCount = 10;

// Switches between the registers, the Bus and the decoder (checked = open).
enum class Gateway {
    AddressDecoder,     // Bus into the Address Decoder
    StackPointer,       // Stack Pointer onto the Bus
    InstructionOperand, // Instruction and Operand registers onto the Bus
    ProgramCounter,
    Accumulator,
    GeneralPurpose,
    LoadStore, // General Purpose register and Accumulator, both ways (LDA, STO)
    Jump,      // Operand or General Purpose register into the Program Counter
};
inline constexpr int kGatewayCount = 8;

// Controls whose state the steps change.
enum class ViewControl {
    RunButton,
    StopButton,
    ContinueButton,
    CancelButton,
    WaitCheckBox,
    BackButton,
};
inline constexpr int kControlCount = 6;

// The names the window gives its widgets: tests and screen readers find them
// by these, and the clock-cycle trace prints them.
std::string_view objectName(ViewField field);
std::string_view objectName(Gateway gateway);
std::string_view objectName(ViewControl control);

// Wires are numbered 1 to 44; wire n is the widget "Line<n>".
inline constexpr int kWireCount = 44;
// From the Address Decoder to the memory it selects.
inline constexpr int kDecoderToMemoryWire = 16;
// That wire is lit in pure red whatever the highlight colour, so it is drawn
// wide only while the highlight is red too.
inline constexpr Colour kDecoderWireColour = kRed;
inline constexpr int kLitWidth = 4;
inline constexpr int kDarkWidth = 1;

struct Wire {
    Colour colour = kBlack;
    int width = kDarkWidth;
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
