#include "machineview/views/DiagramLayout.h"

#include <array>

namespace zeb::machineview::views::layout {

namespace {

constexpr int kMemoryBusY = 520;
constexpr int kMemoryMiddle = kMemory.x() + kMemory.width() / 2;
constexpr int kRegisterLeft = 480;
constexpr int kRegisterRight = 580;
// Columns of the network between the registers and the Instruction Decoder
// and ALU: where the register wires end, the Load/Store column, the jump
// column and the indirect jump column.
constexpr int kStubEnd = 610;
constexpr int kLoadColumn = 640;
constexpr int kJumpColumn = 660;
constexpr int kIndirectColumn = 700;
constexpr int kAluFeed = 730;

WireRoute line(QPoint from, QPoint to) {
    return {{from, to}, std::nullopt};
}

std::array<WireRoute, kWireCount> buildRoutes() {
    const int bus = kBusX;
    const int alu = kAlu.left();
    std::array<WireRoute, kWireCount> r;
    auto set = [&r](int wire, WireRoute route) { r[static_cast<std::size_t>(wire - 1)] = route; };
    // The Bus trunk, from the decoder's branch down, and the memory bus.
    set(9, line({bus, kBusTop}, {bus, kStackRow}));
    set(38, line({bus, kStackRow}, {bus, kInstructionRow}));
    set(20, line({bus, kInstructionRow}, {bus, kCounterRow}));
    set(14, line({bus, kCounterRow}, {bus, kAccumulatorRow}));
    set(15, line({bus, kAccumulatorRow}, {bus, kGeneralRow}));
    set(3, line({bus, kGeneralRow}, {bus, kBusBottom}));
    set(2, line({bus, kBusBottom}, {bus, kMemoryBusY}));
    set(1, line({bus, kMemoryBusY}, {kMemoryMiddle, kMemoryBusY}));
    set(21, line({kMemoryMiddle, kMemoryBusY}, {kMemoryMiddle, kMemory.bottom() + 1}));
    // The Address Decoder: to the Bus, and to the memory it selects.
    set(13, line({kDecoder.right() + 1, kBusTop}, {bus, kBusTop}));
    set(16, line({kDecoder.left(), kBusTop}, {kMemory.right() + 1, kBusTop}));
    // The register branches.
    set(39, line({bus, kStackRow}, {kRegisterLeft, kStackRow}));
    set(5, line({bus, kInstructionRow}, {kRegisterLeft, kInstructionRow}));
    set(6, line({bus, kCounterRow}, {kRegisterLeft, kCounterRow}));
    set(8, line({bus, kAccumulatorRow}, {kRegisterLeft, kAccumulatorRow}));
    set(19, line({bus, kGeneralRow}, {kRegisterLeft, kGeneralRow}));
    // The Stack Pointer round to the ALU's far side.
    const int far = kArea.width() - 20;
    set(42, line({kRegisterRight, kStackRow}, {far, kStackRow}));
    set(43, line({far, kStackRow}, {far, kAlu.center().y() + 5}));
    set(44, line({far, kAlu.center().y() + 5}, {kAlu.right() + 1, kAlu.center().y() + 5}));
    // The Operand register to the Instruction Decoder, and down to the jump.
    set(10, line({kRegisterRight, kInstructionRow}, {kStubEnd, kInstructionRow}));
    set(27, line({kStubEnd, kInstructionRow}, {kJumpColumn, kInstructionRow}));
    set(36, line({kJumpColumn, kInstructionRow}, {kIndirectColumn, kInstructionRow}));
    set(37,
        line({kIndirectColumn, kInstructionRow}, {kInstructionDecoder.left(), kInstructionRow}));
    set(29, line({kJumpColumn, kInstructionRow}, {kJumpColumn, kCounterRow}));
    // The Program Counter to the ALU.
    set(11, line({kRegisterRight, kCounterRow}, {kStubEnd, kCounterRow}));
    set(28, line({kStubEnd, kCounterRow}, {kJumpColumn, kCounterRow}));
    set(30, line({kJumpColumn, kCounterRow}, {kIndirectColumn, kCounterRow}));
    set(40, line({kIndirectColumn, kCounterRow}, {kAluFeed, kCounterRow}));
    set(41, line({kAluFeed, kCounterRow}, {alu, kCounterRow}));
    // The Accumulator to the ALU, and down to the General Purpose register.
    set(12, line({kRegisterRight, kAccumulatorRow}, {kStubEnd, kAccumulatorRow}));
    set(22, line({kStubEnd, kAccumulatorRow}, {kLoadColumn, kAccumulatorRow}));
    set(26, line({kLoadColumn, kAccumulatorRow}, {kAluFeed, kAccumulatorRow}));
    set(35, line({kAluFeed, kAccumulatorRow}, {alu, kAccumulatorRow}));
    set(24, line({kLoadColumn, kAccumulatorRow}, {kLoadColumn, kGeneralRow}));
    // The General Purpose register to the ALU, and up to the Program Counter.
    set(17, line({kRegisterRight, kGeneralRow}, {kStubEnd, kGeneralRow}));
    set(23, line({kStubEnd, kGeneralRow}, {kLoadColumn, kGeneralRow}));
    set(25, line({kLoadColumn, kGeneralRow}, {kIndirectColumn, kGeneralRow}));
    set(32, line({kIndirectColumn, kGeneralRow}, {kAluFeed, kGeneralRow}));
    set(33, line({kAluFeed, kGeneralRow}, {alu, kGeneralRow}));
    set(31, {{{kIndirectColumn, kGeneralRow}, {kIndirectColumn, kCounterRow}},
             QPoint(kIndirectColumn, kAccumulatorRow)});
    // The Instruction Decoder controls the ALU.
    const int control = kInstructionDecoder.center().x();
    set(34, line({control, kInstructionDecoder.bottom() + 1}, {control, kAlu.top()}));
    return r;
}

} // namespace

QPoint gatewayCentre(Gateway gateway) {
    const int branch = (kBusX + kRegisterLeft) / 2;
    switch (gateway) {
    case Gateway::AddressDecoder:
        return {(kDecoder.right() + kBusX) / 2, kBusTop};
    case Gateway::StackPointer:
        return {branch, kStackRow};
    case Gateway::InstructionOperand:
        return {branch, kInstructionRow};
    case Gateway::ProgramCounter:
        return {branch, kCounterRow};
    case Gateway::Accumulator:
        return {branch, kAccumulatorRow};
    case Gateway::GeneralPurpose:
        return {branch, kGeneralRow};
    case Gateway::LoadStore:
        return {kLoadColumn, (kAccumulatorRow + kGeneralRow) / 2};
    case Gateway::Jump:
        return {(kStubEnd + kJumpColumn) / 2, kCounterRow};
    }
    return {};
}

const WireRoute& wireRoute(int wire) {
    static const std::array<WireRoute, kWireCount> routes = buildRoutes();
    return routes[static_cast<std::size_t>(wire - 1)];
}

const QList<QPoint>& junctions() {
    static const QList<QPoint> points{
        {kBusX, kStackRow},         {kBusX, kInstructionRow},       {kBusX, kCounterRow},
        {kBusX, kAccumulatorRow},   {kBusX, kGeneralRow},           {kJumpColumn, kInstructionRow},
        {kJumpColumn, kCounterRow}, {kIndirectColumn, kCounterRow}, {kLoadColumn, kAccumulatorRow},
        {kLoadColumn, kGeneralRow}, {kIndirectColumn, kGeneralRow},
    };
    return points;
}

} // namespace zeb::machineview::views::layout
