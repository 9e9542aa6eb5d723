#pragma once
#include "machineview/MachineViewElements.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

namespace zeb::machineview::views {

// Where everything of the Machine view window stands, in device-independent
// pixels of its drawing area. The Bus is a vertical trunk; memory and the
// Address Decoder are on its left, the registers on its right, each on a
// branch with its gateway, and the Instruction Decoder and ALU beyond them.
namespace layout {

inline constexpr QSize kArea{920, 680};

// Rows of the register branches, top to bottom along the Bus.
inline constexpr int kStackRow = 110;
inline constexpr int kInstructionRow = 180;
inline constexpr int kCounterRow = 250;
inline constexpr int kAccumulatorRow = 320;
inline constexpr int kGeneralRow = 390;
inline constexpr int kBusX = 400;
inline constexpr int kBusTop = 55;
inline constexpr int kBusBottom = 490;

inline constexpr QRect kMemory{12, 32, 170, 430};
inline constexpr QRect kDecoder{215, 40, 90, 30};
inline constexpr QRect kStackPointer{480, kStackRow - 14, 100, 28};
inline constexpr QRect kInstruction{480, kInstructionRow - 14, 48, 28};
inline constexpr QRect kOperand{532, kInstructionRow - 14, 48, 28};
inline constexpr QRect kCounter{480, kCounterRow - 14, 100, 28};
inline constexpr QRect kAccumulator{480, kAccumulatorRow - 14, 100, 28};
inline constexpr QRect kGeneral{480, kGeneralRow - 14, 100, 28};
inline constexpr QRect kInstructionDecoder{720, 150, 140, 60};
inline constexpr QRect kAlu{760, 240, 100, 170};

inline constexpr QRect kExplanation{12, 560, 600, 84};
inline constexpr QRect kClockFrame{625, 536, 283, 110};
inline constexpr QRect kClockPicture{10, 20, 263, 54}; // inside the frame
inline constexpr QRect kClockCaption{10, 78, 263, 22}; // inside the frame
inline constexpr QPoint kWaitBox{430, 436};
inline constexpr QRect kFirstButton{430, 470, 72, 28};
inline constexpr int kButtonStep = 80;
inline constexpr int kStatusHeight = 24;

// The diagram's names for its blocks, placed above them.
struct BlockLabel {
    const char* text;
    QPoint at;
};
inline constexpr BlockLabel kLabels[] = {
    {"Memory", {12, 14}},
    {"Address Decoder", {215, 22}},
    {"Stack Pointer", {480, kStackRow - 34}},
    {"Instruction/Operand", {480, kInstructionRow - 34}},
    {"Program Counter", {480, kCounterRow - 34}},
    {"Accumulator", {480, kAccumulatorRow - 34}},
    {"General Purpose", {480, kGeneralRow - 34}},
    {"Instruction Decoder", {720, 132}},
    {"Explanation", {12, 542}},
};

// A gateway's check box, centred on its wire.
QPoint gatewayCentre(Gateway gateway);
// The check box drawn on the indirect jump's wire; it never changes.
inline constexpr QPoint kIndirectJumpBox{700, 285};

// Wire n (1 to 44) as a run of points; a crossing without a junction is
// drawn as a small hop over the other wire. No transfer uses wires 4, 7 and
// 18: they have no place in the diagram and no points.
struct WireRoute {
    QList<QPoint> points;
    // Where the wire hops over another one, if anywhere.
    std::optional<QPoint> hop;
};
const WireRoute& wireRoute(int wire);
// Points where wires join, drawn as dots.
const QList<QPoint>& junctions();
// The wires that belong to the Stack Pointer, hidden with it.
inline constexpr int kStackWires[] = {39, 42, 43, 44};

} // namespace layout

} // namespace zeb::machineview::views
