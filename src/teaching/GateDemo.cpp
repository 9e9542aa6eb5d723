#include "teaching/GateDemo.h"

#include <stdexcept>

namespace zeb::teaching {

namespace {

// Outputs of the gate for inputs a, b, c (unused inputs are 0).
std::array<bool, 2> evaluate(GateKind kind, bool a, bool b, bool c) {
    switch (kind) {
    case GateKind::And:
        return {a && b, false};
    case GateKind::Or:
        return {a || b, false};
    case GateKind::Not:
        return {!a, false};
    case GateKind::HalfAdder:
        return {a != b, a && b};
    case GateKind::FullAdder:
        return {(a != b) != c, (a && b) || (a && c) || (b && c)};
    }
    return {};
}

TruthTable buildTable(GateKind kind, std::vector<std::string> header, int inputs, int outputs) {
    TruthTable table{std::move(header)};
    for (int row = 0; row < (1 << inputs); ++row) {
        std::array<bool, 3> in{};
        std::vector<std::string> cells;
        for (int i = 0; i < inputs; ++i) {
            in[i] = (row >> (inputs - 1 - i)) & 1;
            cells.emplace_back(bitText(in[i]));
        }
        const auto out = evaluate(kind, in[0], in[1], in[2]);
        for (int o = 0; o < outputs; ++o)
            cells.emplace_back(bitText(out[o]));
        table.push_back(std::move(cells));
    }
    return table;
}

} // namespace

int GateDemo::inputCount() const {
    switch (kind_) {
    case GateKind::Not:
        return 1;
    case GateKind::FullAdder:
        return 3;
    case GateKind::And:
    case GateKind::Or:
    case GateKind::HalfAdder:
        return 2;
    }
    return 0;
}

int GateDemo::outputCount() const {
    return kind_ == GateKind::HalfAdder || kind_ == GateKind::FullAdder ? 2 : 1;
}

bool GateDemo::output(int index) const {
    if (index < 0 || index >= outputCount()) throw std::out_of_range("GateDemo::output");
    return evaluate(kind_, inputs_[0], inputs_[1], inputs_[2])[index];
}

void GateDemo::toggleInput(int index) {
    if (index < 0 || index >= inputCount()) throw std::out_of_range("GateDemo::toggleInput");
    inputs_[index] = !inputs_[index];
}

int GateDemo::highlightedRow() const {
    int row = 0;
    for (int i = 0; i < inputCount(); ++i)
        row = 2 * row + (inputs_[i] ? 1 : 0);
    return row + 1;
}

const TruthTable& GateDemo::table() const {
    return tableFor(kind_);
}

const TruthTable& GateDemo::tableFor(GateKind kind) {
    static const TruthTable andTable = buildTable(GateKind::And, {"A", "B", "C"}, 2, 1);
    static const TruthTable orTable = buildTable(GateKind::Or, {"A", "B", "C"}, 2, 1);
    static const TruthTable notTable = buildTable(GateKind::Not, {"A", "B"}, 1, 1);
    static const TruthTable halfAdder = buildTable(GateKind::HalfAdder, {"A", "B", "S", "C"}, 2, 2);
    static const TruthTable fullAdder =
        buildTable(GateKind::FullAdder, {"A", "B", "Cin", "S", "Cout"}, 3, 2);
    switch (kind) {
    case GateKind::And:
        return andTable;
    case GateKind::Or:
        return orTable;
    case GateKind::Not:
        return notTable;
    case GateKind::HalfAdder:
        return halfAdder;
    case GateKind::FullAdder:
        return fullAdder;
    }
    throw std::invalid_argument("GateDemo::tableFor");
}

} // namespace zeb::teaching
