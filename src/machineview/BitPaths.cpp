#include "machineview/BitPaths.h"

#include "core/Words.h"

namespace zeb::machineview {

namespace {
constexpr std::initializer_list<int> kAccToALU = {12, 22, 26, 35};
constexpr std::initializer_list<int> kLDAWires = {22, 23, 24, 17, 12};
constexpr std::initializer_list<int> kAccGenALU = {37, 36, 27, 10, 25, 32, 33,
                                                   23, 17, 22, 12, 26, 35};
} // namespace

void BitPaths::Show(const Path& path, bool open) {
    for (Gateway g : path.gateways) {
        view_.setOpen(g, open);
        if (path.pauses) pacing_.speedPause();
    }
    if (open && path.from && path.to) {
        view_.setText(*path.to, view_.text(*path.from));
        if (path.pauses) pacing_.speedPause();
    }
    SetWires(path.wires, open);
}

void BitPaths::SetWires(std::initializer_list<int> wires, bool lit) {
    for (int line : wires)
        view_.SetWireState(line, lit ? preferences_.highlightColour : kBlack);
}

void BitPaths::ShowPCToMemDecoder(bool open) {
    Show({{Gateway::ChkPC, Gateway::ChkAddDecoder},
          Field::PnlPC,
          Field::PnlDecoder,
          {6, 20, 9, 38, 13}},
         open);
}

void BitPaths::ShowMemToIns(bool open) {
    Show({{Gateway::ChkIns}, {}, {}, {1, 21, 2, 3, 15, 14, 20, 5}, false}, open);
}

void BitPaths::ShowOperandToMemDecoder(bool open) {
    Show({{Gateway::ChkIns, Gateway::ChkAddDecoder},
          Field::PnlOperand,
          Field::PnlDecoder,
          {5, 9, 38, 13}},
         open);
}

void BitPaths::ShowMemToGen(bool open) {
    Show({{Gateway::ChkGen}, {}, {}, {1, 21, 2, 3, 19}, false}, open);
}

void BitPaths::ShowGenToMemory(bool open) {
    Show({{Gateway::ChkGen}, {}, {}, {19, 3, 2, 1, 21}}, open);
}

void BitPaths::ShowGenToMemDecoder(bool open) {
    Show({{Gateway::ChkGen, Gateway::ChkAddDecoder},
          Field::PnlGen,
          Field::PnlDecoder,
          {19, 20, 9, 38, 13, 15, 14}},
         open);
}

void BitPaths::SPToMemDecoder(bool open) {
    Show({{Gateway::ChkSP, Gateway::ChkAddDecoder}, Field::PnlSP, Field::PnlDecoder, {39, 9, 13}},
         open);
}

void BitPaths::ShowPCToMemory(bool open) {
    Show({{Gateway::ChkPC}, {}, {}, {6, 14, 15, 3, 2, 1, 21}}, open);
}

void BitPaths::ShowMemToPC(bool open) {
    Show({{Gateway::ChkPC}, {}, {}, {1, 21, 2, 3, 15, 14, 6}, false}, open);
}

void BitPaths::ShowIncPC(bool open) {
    Show({{}, {}, {}, {11, 30, 28, 40, 41}}, open);
}

void BitPaths::ShowIncSP(bool open) {
    Show({{}, {}, {}, {42, 43, 44}}, open);
}

void BitPaths::ShowJMP(bool open) {
    Show({{Gateway::ChkJMP}, {}, {}, {27, 28, 29, 10, 11}}, open);
}

void BitPaths::ShowJMPIndirect(bool open) {
    Show({{Gateway::ChkJMP}, Field::PnlGen, Field::PnlPC, {11, 28, 30, 31, 25, 23, 17}}, open);
}

void BitPaths::ShowLDA(bool open, std::int32_t value) {
    view_.setOpen(Gateway::ChkLDA, open);
    pacing_.speedPause();
    view_.setText(Field::PnlACC, plainText(value));
    pacing_.speedPause();
    SetWires(kLDAWires, open);
}

void BitPaths::ShowSTO(bool open) {
    Show({{Gateway::ChkLDA}, {}, {}, kLDAWires}, open);
}

void BitPaths::ShowPathsAccGenALU(Colour colour) {
    for (int line : kAccGenALU)
        view_.SetWireState(line, colour);
}

void BitPaths::ShowArithmetic(bool open, std::int32_t result) {
    view_.setText(Field::PnlACC, signedText(result));
    pacing_.speedPause();
    ShowPathsAccGenALU(open ? preferences_.highlightColour : kBlack);
}

void BitPaths::ShowConditionalJump(bool open, bool (*jumps)(std::int32_t)) {
    pacing_.speedPause();
    SetWires(kAccToALU, open);
    const auto acc = FieldNumber(view_.text(Field::PnlACC));
    if (acc && jumps(*acc)) {
        view_.setText(Field::PnlPC, view_.text(Field::PnlOperand));
        ShowJMP(true);
    }
}

void BitPaths::ShowJmpNeg(bool open) {
    // The Accumulator field holds a sign-magnitude word; judge it as JM- does.
    ShowConditionalJump(
        open, [](std::int32_t acc) { return acc < 0 || (acc <= 65535 && signedValue(acc) < 0); });
}

void BitPaths::ShowJmpZero(bool open) {
    ShowConditionalJump(open, [](std::int32_t acc) { return acc == 0; });
}

std::optional<std::int32_t> BitPaths::FieldNumber(std::string_view text) {
    const Conversion c = parseDecimal(trimBlanks(text));
    if (!c.ok()) return std::nullopt;
    return c.value;
}

} // namespace zeb::machineview
