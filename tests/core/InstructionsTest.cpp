#include "TestHost.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

struct StepCase {
    const char* name;
    std::vector<Rig::Cell> program;
    std::int32_t acc;                 // accumulator before the step
    int pc;                           // where the step starts
    bool statusShown;                 // Status register displayed
    const char* accAfter;             // field text, trimmed
    const char* pcAfter;              // field text, trimmed
    std::vector<std::string> reports; // messages shown
    const char* status = "0";
    Rig::Cell cellAfter = {-1, "", ""};
    const char* sp = "64"; // stack pointer before and after
    const char* spAfter = "64";
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Trimmed(const std::string& s) {
    return std::string(trimBlanks(s));
}

class OneStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(OneStep, LeavesRegistersAndReports) {
    const StepCase& c = GetParam();
    Rig r;
    for (const auto& cell : c.program)
        r.Program({cell});
    if (c.statusShown) r.ShowStatusRegister();
    r.m.changeAcc(c.acc);
    r.m.changePC(c.pc);
    r.m.setRegisterText(Register::SP, c.sp);
    r.zeb.run().step();
    EXPECT_EQ(r.m.registerText(Register::SP), c.spAfter);
    EXPECT_EQ(Trimmed(r.Acc()), c.accAfter);
    EXPECT_EQ(Trimmed(r.PC()), c.pcAfter);
    EXPECT_EQ(r.host.texts(), c.reports);
    EXPECT_EQ(r.m.registerText(Register::Status), c.status);
    EXPECT_EQ(r.m.runState().hasError(), !c.reports.empty());
    if (c.cellAfter.address >= 0) {
        EXPECT_EQ(r.m.operatorText(c.cellAfter.address), c.cellAfter.op);
        EXPECT_EQ(r.m.operandText(c.cellAfter.address), c.cellAfter.opd);
    }
    EXPECT_TRUE(r.zeb.display().get(Flag::MenusEnabled));
}

// clang-format off
const StepCase kCases[] = {
    {"Store", {{0, "2", "5"}}, 65535, 0, false, "65535", "1", {}, "0", {5, "255", "255"}},
    {"StoreIllegal", {{0, "2", "99"}}, 1, 0, false, "1", "1", {"Illegal address in STORE at  99 - "}},
    {"AddIllegal", {{0, "3", "80"}}, 5, 0, false, "65535", "1", {"Illegal address in ADD at  80 - "}},
    {"SubtractIllegal", {{0, "4", "80"}}, 5, 0, false, "65535", "1", {"Illegal address in SUBTRACT at  80 - "}},
    {"AddUnreadableCountsAsZero", {{0, "3", "5"}, {5, "", "A"}}, 5, 0, false, "5", "1", {"Illegal numeric conversion attempted on A - Type mismatch"}},
    {"MultiplyIllegalKeepsAcc", {{0, "5", "80"}}, 5, 0, false, "5", "1", {"Illegal address in MULTIPLY at  80 - "}},
    {"MultiplyNegative", {{0, "5", "5"}, {5, "", "3"}}, 32770, 0, false, "32774", "1", {}},
    {"DivideNegative", {{0, "6", "5"}, {5, "", "2"}}, 32775, 0, false, "32771", "1", {}},
    {"DivideIllegal", {{0, "6", "80"}}, 7, 0, false, "65535", "1", {"Illegal address in DIVIDE at  80 - "}},
    {"JumpIllegal", {{0, "7", "80"}}, 0, 0, false, "0", "0", {"JUMP to illegal address at  80 - "}},
    {"JumpNegTaken", {{0, "8", "10"}}, 32770, 0, false, "32770", "10", {}},
    {"JumpNegNotTaken", {{0, "8", "10"}}, 5, 0, false, "5", "1", {}},
    {"JumpNegMinusZero", {{0, "8", "10"}}, 32768, 0, false, "32768", "1", {}},
    {"JumpNegIllegal", {{0, "8", "90"}}, 32770, 0, false, "32770", "0", {"JUMPIFNEG to illegal address at  90 - "}},
    {"JumpNegUnreadableOperandStays", {{0, "8", "G"}}, 32770, 0, false, "32770", "0", {"Illegal numeric conversion attempted on G - Type mismatch"}},
    {"JumpZeroMinusZero", {{0, "9", "10"}}, 32768, 0, false, "32768", "1", {}},
    {"JumpZeroIllegal", {{0, "9", "90"}}, 0, 0, false, "0", "0", {"JUMPIFZERO to illegal address at  90 - "}},
    {"JumpIndirectEmptyOperand", {{2, "10", "5"}, {5, "1", ""}}, 0, 2, false, "0", "0", {}},
    {"JumpIndirect", {{2, "10", "5"}, {5, "", "40"}}, 0, 2, false, "0", "40", {}},
    {"JumpIndirectBadTarget", {{2, "10", "5"}, {5, "", "85"}}, 0, 2, false, "0", "2", {"JUMP INDIRECT to illegal address at  85 - "}},
    {"LoadIndirectBadPointer", {{0, "17", "5"}, {5, "", "90"}}, 4, 0, false, "4", "1", {"LOAD INDIRECT from illegal address at  90 - "}},
    {"LoadIndirectIllegal", {{0, "17", "80"}}, 4, 0, false, "4", "1", {"LOAD INDIRECT from illegal address at  80 - "}},
    {"StoreIndirectBadPointer", {{0, "18", "5"}, {5, "", "81"}}, 300, 0, false, "300", "1", {"STORE INDIRECT to illegal address at  81 - "}},
    {"HaltStays", {{4, "0", ""}}, 9, 4, false, "9", "4", {}},
    {"CallSubPastTheStack", {{10, "19", "30"}}, 0, 10, false, "0", "10", {"Illegal address  80 - ", "Illegal address  80 - "}, "0", {-1, "", ""}, "80", "81"},
    {"CallSubIllegal", {{10, "19", "90"}}, 0, 10, false, "0", "10", {"JUMP SUB to illegal address at  90 - "}, "0", {64, "0", "11"}, "64", "65"},
    {"ReturnSubIllegal", {{0, "20", ""}, {63, "1", "0"}}, 0, 0, false, "0", "0", {"RETURN SUB to illegal address at  256 - "}, "0", {-1, "", ""}, "64", "63"},
    {"ReturnSubBelowMemory", {{0, "20", ""}}, 0, 0, false, "0", "0", {"RETURN SUB to illegal address at -1 - "}, "0", {-1, "", ""}, "0", "-1"},
    {"ReturnSubPastTheStack", {{0, "20", ""}}, 0, 0, false, "0", "0", {"RETURN SUB to illegal address at  80 - "}, "0", {-1, "", ""}, "81", "80"},
    {"ReportAfterAReportStillAdvances", {{0, "3", "80"}, {1, "0", ""}}, 5, 0, false, "65535", "1", {"Illegal address in ADD at  80 - "}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Instructions, OneStep, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Arithmetic, ReducesAndEncodes) {
    Rig r;
    struct Case {
        std::int32_t a, b;
        ArithmeticOp op;
        std::int32_t result;
        bool overflow;
    } cases[] = {
        {20000, 20000, ArithmeticOp::Add, 7232, true},
        {32768 + 20000, 20000, ArithmeticOp::Subtract, 32768 + 7232, true},
        {5, 7, ArithmeticOp::Subtract, 32770, false},
        {32768, 32768, ArithmeticOp::Add, 0, false},
        {200, 200, ArithmeticOp::Multiply, 7232, true},
        {7, 0, ArithmeticOp::Divide, 32767, true},
        {32775, 2, ArithmeticOp::Divide, 32771, false},
        {32767, 1, ArithmeticOp::Add, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " op " << static_cast<int>(c.op) << " " << c.b);
        bool overflow = false;
        EXPECT_EQ(r.zeb.instructions().arithmetic(c.a, c.b, c.op, overflow), c.result);
        EXPECT_EQ(overflow, c.overflow);
        EXPECT_EQ(r.m.registerText(Register::Status), c.overflow ? "1" : "0");
    }
}

TEST(Execute, CodesOutsideTheSetAreNoInstruction) {
    EXPECT_FALSE(toOpcode(21));
    EXPECT_FALSE(toOpcode(-1));
    EXPECT_EQ(toOpcode(20), Opcode::ReturnFromSubroutine);
}

TEST(Execute, StepPlaysStepAndHaltSounds) {
    Rig r;
    r.zeb.preferences().hasSoundCard = true;
    r.Program({{0, "0", ""}});
    r.zeb.run().step();
    r.zeb.run().step();
    EXPECT_EQ(r.host.sounds,
              (std::vector<std::string>{"step.wav", "honk.wav", "step.wav", "honk.wav"}));
    r.zeb.preferences().soundOn = false;
    r.zeb.run().step();
    EXPECT_EQ(r.host.sounds.size(), 4u);
}

} // namespace
} // namespace zeb::test
