#include "machineview/DataPaths.h"

#include "core/Words.h"

#include <array>
#include <optional>
#include <vector>

namespace zeb::machineview {

namespace {

// A path's gateways in the order they open, the value it copies (into the
// decoder, mostly) and its wires in the order they light.
struct Route {
    std::vector<Gateway> gateways;
    std::optional<ViewField> from;
    std::optional<ViewField> to;
    std::vector<int> wires;
    // The memory reads open without pausing.
    bool pauses = true;
};

using G = Gateway;
using F = ViewField;

// In the order of Path; the last four paths are not routes alone.
const std::array<Route, 15>& routes() {
    static const std::array<Route, 15> table{{
        {{G::ProgramCounter, G::AddressDecoder},
         F::ProgramCounter,
         F::AddressDecoder,
         {6, 20, 9, 38, 13}},
        {{G::InstructionOperand}, {}, {}, {1, 21, 2, 3, 15, 14, 20, 5}, false},
        {{G::InstructionOperand, G::AddressDecoder},
         F::OperandRegister,
         F::AddressDecoder,
         {5, 9, 38, 13}},
        {{G::GeneralPurpose}, {}, {}, {1, 21, 2, 3, 19}, false},
        {{G::GeneralPurpose}, {}, {}, {19, 3, 2, 1, 21}},
        {{G::GeneralPurpose, G::AddressDecoder},
         F::GeneralPurpose,
         F::AddressDecoder,
         {19, 20, 9, 38, 13, 15, 14}},
        {{G::StackPointer, G::AddressDecoder}, F::StackPointer, F::AddressDecoder, {39, 9, 13}},
        {{G::ProgramCounter}, {}, {}, {6, 14, 15, 3, 2, 1, 21}},
        {{G::ProgramCounter}, {}, {}, {1, 21, 2, 3, 15, 14, 6}, false},
        {{}, {}, {}, {11, 30, 28, 40, 41}},
        {{}, {}, {}, {42, 43, 44}},
        {{G::Jump}, {}, {}, {27, 28, 29, 10, 11}},
        {{G::Jump}, F::GeneralPurpose, F::ProgramCounter, {11, 28, 30, 31, 25, 23, 17}},
        {{G::LoadStore}, {}, {}, {22, 23, 24, 17, 12}},
        {{G::LoadStore}, {}, {}, {22, 23, 24, 17, 12}},
    }};
    return table;
}

static_assert(static_cast<int>(Path::Store) == 14, "routes() follows the order of Path");

const Route& routeOf(Path path) {
    return routes()[static_cast<std::size_t>(path)];
}

// The Accumulator into the ALU, for the conditional jumps.
constexpr std::array kAccumulatorToAlu{12, 22, 26, 35};
// Instruction, Accumulator and General Purpose register into the decoder and ALU.
constexpr std::array kArithmeticWires{37, 36, 27, 10, 25, 32, 33, 23, 17, 22, 12, 26, 35};

bool isNegative(std::int32_t accumulator) {
    // The field holds a sign-magnitude word; judge it as JM- does.
    return accumulator < 0 || (accumulator <= 65535 && signedValue(accumulator) < 0);
}

bool isZero(std::int32_t accumulator) {
    return accumulator == 0;
}

} // namespace

void DataPaths::show(Path path, bool open, std::int32_t value) {
    switch (path) {
    case Path::Load:
        // The loaded value goes into the Accumulator when the path opens and
        // again when it closes.
        display_.setOpen(Gateway::LoadStore, open);
        pacing_.speedPause();
        display_.setText(ViewField::Accumulator, plainText(value));
        pacing_.speedPause();
        setWires(path, open);
        return;
    case Path::Arithmetic:
        display_.setText(ViewField::Accumulator, signedText(value));
        pacing_.speedPause();
        setAluWires(open ? preferences_.highlightColour : kBlack);
        return;
    case Path::JumpIfNegative:
        showConditionalJump(open, isNegative);
        return;
    case Path::JumpIfZero:
        showConditionalJump(open, isZero);
        return;
    default:
        showRoute(path, open);
    }
}

void DataPaths::showRoute(Path path, bool open) {
    const Route& route = routeOf(path);
    for (Gateway g : route.gateways) {
        display_.setOpen(g, open);
        if (route.pauses) pacing_.speedPause();
    }
    if (open && route.from && route.to) {
        display_.setText(*route.to, display_.text(*route.from));
        if (route.pauses) pacing_.speedPause();
    }
    setWires(path, open);
}

void DataPaths::setWires(Path path, bool lit) {
    for (int wire : routeOf(path).wires)
        display_.setWireColour(wire, lit ? preferences_.highlightColour : kBlack);
}

void DataPaths::setAluWires(Colour colour) {
    for (int wire : kArithmeticWires)
        display_.setWireColour(wire, colour);
}

// Closing tests again and may copy and open the jump once more; the caller
// closes the jump afterwards.
void DataPaths::showConditionalJump(bool open, bool (*jumps)(std::int32_t)) {
    pacing_.speedPause();
    for (int wire : kAccumulatorToAlu)
        display_.setWireColour(wire, open ? preferences_.highlightColour : kBlack);
    const auto accumulator = display_.number(ViewField::Accumulator);
    if (accumulator && jumps(*accumulator)) {
        display_.setText(ViewField::ProgramCounter, display_.text(ViewField::OperandRegister));
        showRoute(Path::Jump, true);
    }
}

} // namespace zeb::machineview
