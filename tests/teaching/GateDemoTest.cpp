#include "teaching/GateDemo.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zeb::teaching;

namespace {

struct GateCase {
    const char* name;
    GateKind kind;
    TruthTable table;
};

// clang-format off
const GateCase kGateCases[] = {
    {"And", GateKind::And, {{"A", "B", "C"}, {"0", "0", "0"}, {"0", "1", "0"}, {"1", "0", "0"}, {"1", "1", "1"}}},
    {"Or", GateKind::Or, {{"A", "B", "C"}, {"0", "0", "0"}, {"0", "1", "1"}, {"1", "0", "1"}, {"1", "1", "1"}}},
    {"Not", GateKind::Not, {{"A", "B"}, {"0", "1"}, {"1", "0"}}},
    {"HalfAdder", GateKind::HalfAdder, {{"A", "B", "S", "C"}, {"0", "0", "0", "0"}, {"0", "1", "1", "0"}, {"1", "0", "1", "0"}, {"1", "1", "0", "1"}}},
    {"FullAdder", GateKind::FullAdder, {{"A", "B", "Cin", "S", "Cout"},
        {"0", "0", "0", "0", "0"}, {"0", "0", "1", "1", "0"}, {"0", "1", "0", "1", "0"}, {"0", "1", "1", "0", "1"},
        {"1", "0", "0", "1", "0"}, {"1", "0", "1", "0", "1"}, {"1", "1", "0", "0", "1"}, {"1", "1", "1", "1", "1"}}},
};
// clang-format on

// Test listings name the gate, not the bytes of the case.
void PrintTo(const GateCase& gateCase, std::ostream* out) {
    *out << gateCase.name;
}

class GateDemoTest : public testing::TestWithParam<GateCase> {};

TEST_P(GateDemoTest, TableTextsAreExact) {
    EXPECT_EQ(GateDemo(GetParam().kind).table(), GetParam().table);
}

// Setting the inputs of every row must give that row's outputs and highlight it.
TEST_P(GateDemoTest, EveryRowOfTheTableIsReachedByClicks) {
    const TruthTable& table = GetParam().table;
    for (int row = 1; row < static_cast<int>(table.size()); ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        GateDemo gate(GetParam().kind);
        ASSERT_EQ(static_cast<std::size_t>(gate.inputCount() + gate.outputCount()),
                  table[0].size());
        for (int i = 0; i < gate.inputCount(); ++i)
            if (table[row][i] == "1") gate.toggleInput(i);
        EXPECT_EQ(gate.highlightedRow(), row);
        for (int o = 0; o < gate.outputCount(); ++o)
            EXPECT_EQ(bitText(gate.output(o)), table[row][gate.inputCount() + o]) << "output " << o;
        EXPECT_THROW(gate.output(gate.outputCount()), std::out_of_range);
        EXPECT_THROW(gate.toggleInput(gate.inputCount()), std::out_of_range);
        EXPECT_THROW(gate.toggleInput(-1), std::out_of_range);
    }
}

INSTANTIATE_TEST_SUITE_P(AllGates, GateDemoTest, testing::ValuesIn(kGateCases),
                         [](const testing::TestParamInfo<GateCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
