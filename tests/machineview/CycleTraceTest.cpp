// Clock-cycle traces of small programs, derived by hand from the cycle model:
// one line per wait, fields as the trace writes them, the explanation checked
// by a key phrase.
#include "machineview/CycleTrace.h"
#include "../core/TestHost.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zeb::test {
namespace {

struct Cell {
    int address;
    const char* op;
    const char* opd;
};

// clock|status|PC|decoder|instruction|operand|general|accumulator|stack
// pointer|open gateways|lit wires|row:operator:operand|explanation phrase
struct TraceCase {
    const char* name;
    std::vector<Cell> program;
    std::vector<const char*> expected;
    // Waits before this one are not compared (other cases cover them).
    std::size_t from = 0;
    // Prepares the machine before the view opens.
    void (*setUp)(Rig&) = nullptr;
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> out(1);
    for (char c : text)
        if (c == separator)
            out.emplace_back();
        else
            out.back() += c;
    return out;
}

std::vector<std::string> Trace(const TraceCase& c) {
    Rig r;
    const std::vector<Cell>& program = c.program;
    if (c.setUp) c.setUp(r);
    for (const Cell& c : program) {
        r.m.setOperatorText(c.address, c.op);
        r.m.setOperandText(c.address, c.opd);
    }
    std::ostringstream out;
    machineview::CycleTrace trace(r.zeb, r.bases, r.assembler, out);
    r.zeb.run.run();
    std::vector<std::string> lines = Split(out.str(), '\n');
    lines.pop_back(); // after the last line end
    return lines;
}

void ExpectTrace(const std::vector<std::string>& lines, const std::vector<const char*>& expected) {
    EXPECT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < std::min(lines.size(), expected.size()); ++i) {
        SCOPED_TRACE("wait " + std::to_string(i + 1) + ": " + lines[i]);
        const std::vector<std::string> got = Split(lines[i], '\t');
        const std::vector<std::string> want = Split(expected[i], '|');
        ASSERT_EQ(got.size(), 14u);
        ASSERT_EQ(want.size(), 13u);
        EXPECT_EQ(got[0], "CYCLE");
        for (std::size_t f = 0; f < 12; ++f)
            EXPECT_EQ(got[f + 1], want[f]) << "field " << f + 2;
        EXPECT_NE(got[13].find(want[12]), std::string::npos) << "explanation: " << got[13];
    }
}

class CycleTrace : public ::testing::TestWithParam<TraceCase> {};

TEST_P(CycleTrace, FollowsTheCycleModel) {
    const TraceCase& c = GetParam();
    const std::vector<std::string> lines = Trace(c);
    ASSERT_GE(lines.size(), c.from);
    ExpectTrace({lines.begin() + static_cast<long>(c.from), lines.end()}, c.expected);
}

// Statuses of the cycles, as the lines below use them.
#define S1 "(PC) -> Address Decoder"
#define S2 "Memory -> Instruction/Operand Registers"
#define S3 "(Operand) -> Address Decoder"
#define S4 "memory -> General Register"
#define S5 "Execute instruction in IR"
#define S6 "(GP) -> Memory"
#define S7 "(PC) = (PC) + 1"
#define OPEN1 "ChkAddDecoder,ChkPC|6,9,13,20,38"
#define OPEN2 "ChkIns|1,2,3,5,14,15,20,21"
#define OPEN3 "ChkAddDecoder,ChkIns|5,9,13,38"
#define OPEN4 "ChkGen|1,2,3,19,21"
#define OPEN6 "ChkGen|1,2,3,19,21"
#define OPEN7 "|11,28,30,40,41"
#define SENT "Program Counter is sent to the Address Decoder"
#define PASSED "Program Counter has now passed"
#define FOUND "now identifies the Memory cell"
#define READ "tranferred from memory"
#define INS_CLOSED "Instruction Register and the Bus is now closed"
#define OPERAND_SENT "value from the Operand to pass along the Bus"
#define OPERAND_FOUND "Operand has now passed into the Address Decoder.  The path"
#define GEN_READ "connects the  address location to the Bus"
#define GEN_CLOSED "General Purpose Register and the Bus is now closed"
#define STORED "this is a redundant operation"
#define INCREMENTED "The Progam Counter is incremented."

const TraceCase kLoadAddStoreJump{
    "LoadAddStoreJump",
    {{0, "1", "10"},
     {1, "3", "11"},
     {2, "2", "12"},
     {3, "7", "5"},
     {5, "0", "0"},
     {10, "0", "7"},
     {11, "0", "5"}},
    {
        // LDA 10
        "Cycle 1|" S1 "|0|0|0|0|0|0||" OPEN1 "|0:1:10|" SENT,
        "Cycle 1|" S1 "|0|0|0|0|0|0||||0:1:10|" PASSED,
        "Cycle 1|" S1 "|0|0|0|0|0|0|||16|0:1:10|" FOUND,
        "Cycle 2|" S2 "|0|0| 1| 10|0|0||" OPEN2 "|0:1:10|" READ,
        "Cycle 2|" S2 "|0|0| 1| 10|0|0||||0:1:10|" INS_CLOSED,
        "Cycle 3|" S3 "|0| 10| 1| 10|0|0||" OPEN3 "|0:1:10|" OPERAND_SENT,
        "Cycle 3|" S3 "|0| 10| 1| 10|0|0|||16|10:0:7|" OPERAND_FOUND,
        "Cycle 4|" S4 "|0| 10| 1| 10| 7|0||" OPEN4 "|10:0:7|" GEN_READ,
        "Cycle 4|" S4 "|0| 10| 1| 10| 7|0||||10:0:7|" GEN_CLOSED,
        "Cycle 5|" S5 "|0| 10| 1| 10| 7|7||ChkLDA|12,17,22,23,24|10:0:7|LDA instruction is decoded",
        "Cycle 6|" S6 "|0| 10| 1| 10| 7|7||" OPEN6 "|10: 0: 7|" STORED,
        "Cycle 7|" S7 "| 1| 10| 1| 10| 7|7||" OPEN7 "|10: 0: 7|" INCREMENTED,
        // AC+ 11
        "Cycle 1|" S1 "| 1| 1| 1| 10| 7|7||" OPEN1 "|10: 0: 7|" SENT,
        "Cycle 1|" S1 "| 1| 1| 1| 10| 7|7||||10: 0: 7|" PASSED,
        "Cycle 1|" S1 "| 1| 1| 1| 10| 7|7|||16|1:3:11|" FOUND,
        "Cycle 2|" S2 "| 1| 1| 3| 11| 7|7||" OPEN2 "|1:3:11|" READ,
        "Cycle 2|" S2 "| 1| 1| 3| 11| 7|7||||1:3:11|" INS_CLOSED,
        "Cycle 3|" S3 "| 1| 11| 3| 11| 7|7||" OPEN3 "|1:3:11|" OPERAND_SENT,
        "Cycle 3|" S3 "| 1| 11| 3| 11| 7|7|||16|11:0:5|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 1| 11| 3| 11| 5|7||" OPEN4 "|11:0:5|" GEN_READ,
        "Cycle 4|" S4 "| 1| 11| 3| 11| 5|7||||11:0:5|" GEN_CLOSED,
        "Cycle 5|" S5 "| 1| 11| 3| 11| 5| 12|||10,12,17,22,23,25,26,27,32,33,35,36,37|11:0:5|"
        "AC+ instruction is decoded by the Instruction decoder and passed to the Arithmetic Logic "
        "Unit to perform the addition, the result is placed",
        "Cycle 6|" S6 "| 1| 11| 3| 11| 5| 12||" OPEN6 "|11: 0: 5|" STORED,
        "Cycle 7|" S7 "| 2| 11| 3| 11| 5| 12||" OPEN7 "|11: 0: 5|" INCREMENTED,
        // STO 12: the accumulator goes to the General Purpose register, and
        // cycle 6 writes it into the empty cell's row.
        "Cycle 1|" S1 "| 2| 2| 3| 11| 5| 12||" OPEN1 "|11: 0: 5|" SENT,
        "Cycle 1|" S1 "| 2| 2| 3| 11| 5| 12||||11: 0: 5|" PASSED,
        "Cycle 1|" S1 "| 2| 2| 3| 11| 5| 12|||16|2:2:12|" FOUND,
        "Cycle 2|" S2 "| 2| 2| 2| 12| 5| 12||" OPEN2 "|2:2:12|" READ,
        "Cycle 2|" S2 "| 2| 2| 2| 12| 5| 12||||2:2:12|" INS_CLOSED,
        "Cycle 3|" S3 "| 2| 12| 2| 12| 5| 12||" OPEN3 "|2:2:12|" OPERAND_SENT,
        "Cycle 3|" S3 "| 2| 12| 2| 12| 5| 12|||16|12::|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 2| 12| 2| 12| 0| 12||" OPEN4 "|12::|" GEN_READ,
        "Cycle 4|" S4 "| 2| 12| 2| 12| 0| 12||||12::|" GEN_CLOSED,
        "Cycle 5|" S5
        "| 2| 12| 2| 12| 12| 12||ChkLDA|12,17,22,23,24|12::|STO instruction is decoded",
        "Cycle 6|" S6 "| 2| 12| 2| 12| 12| 12||" OPEN6 "|12: 0: 12|" STORED,
        "Cycle 7|" S7 "| 3| 12| 2| 12| 12| 12||" OPEN7 "|12: 0: 12|" INCREMENTED,
        // JMP 5: no cycle 7; the next fetch starts at the target.
        "Cycle 1|" S1 "| 3| 3| 2| 12| 12| 12||" OPEN1 "|12: 0: 12|" SENT,
        "Cycle 1|" S1 "| 3| 3| 2| 12| 12| 12||||12: 0: 12|" PASSED,
        "Cycle 1|" S1 "| 3| 3| 2| 12| 12| 12|||16|3:7:5|" FOUND,
        "Cycle 2|" S2 "| 3| 3| 7| 5| 12| 12||" OPEN2 "|3:7:5|" READ,
        "Cycle 2|" S2 "| 3| 3| 7| 5| 12| 12||||3:7:5|" INS_CLOSED,
        "Cycle 3|" S3 "| 3| 5| 7| 5| 12| 12||" OPEN3 "|3:7:5|" OPERAND_SENT,
        "Cycle 3|" S3 "| 3| 5| 7| 5| 12| 12|||16|5:0:0|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 3| 5| 7| 5| 0| 12||" OPEN4 "|5:0:0|" GEN_READ,
        "Cycle 4|" S4 "| 3| 5| 7| 5| 0| 12||||5:0:0|" GEN_CLOSED,
        "Cycle 5|" S5 "| 5| 5| 7| 5| 0| 12||ChkJMP|10,11,27,28,29|5:0:0|copying the Operand to "
        "the Program Counter",
        "Cycle 6|" S6 "| 5| 5| 7| 5| 0| 12||" OPEN6 "|5: 0: 0|" STORED,
        // HLT: the fetch, then the halt without a wait.
        "Cycle 1|" S1 "| 5| 5| 7| 5| 0| 12||" OPEN1 "|5: 0: 0|" SENT,
        "Cycle 1|" S1 "| 5| 5| 7| 5| 0| 12||||5: 0: 0|" PASSED,
        "Cycle 1|" S1 "| 5| 5| 7| 5| 0| 12|||16|5: 0: 0|" FOUND,
        "Cycle 2|" S2 "| 5| 5| 0| 0| 0| 12||" OPEN2 "|5: 0: 0|" READ,
        "Cycle 2|" S2 "| 5| 5| 0| 0| 0| 12||||5: 0: 0|" INS_CLOSED,
        "Cycle 3|" S3 "| 5| 0| 0| 0| 0| 12||" OPEN3 "|5: 0: 0|" OPERAND_SENT,
        "Cycle 3|" S3 "| 5| 0| 0| 0| 0| 12|||16|0:1:10|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 5| 0| 0| 0| 266| 12||" OPEN4 "|0:1:10|" GEN_READ,
        "Cycle 4|" S4 "| 5| 0| 0| 0| 266| 12||||0:1:10|" GEN_CLOSED,
    }};

#define ZERO_CHECK "check if the value of the Accumulator is zero"
#define INDIRECT_CLOSED "General Purpose register to the Address Decoder are closed"
#define INDIRECT_FOUND "are closed The Address Decoder now identifies the Memory cell"
#define SP_SENT "value of the Stack Pointer is sent to the Address Decoder"
#define SP_PASSED "Stack Pointer has now passed into the Address Decoder"
#define TO_DECODER "(SP) -> Address Decoder"

// LDA 10, JM0 5, HLT; 5: HLT. From the JM0's cycle 5: the twelve waits of the
// LDA and the nine of the JM0's fetch are those of the other programs.
const TraceCase kJumpIfZeroTaken{
    "JumpIfZeroTaken",
    {{0, "1", "10"}, {1, "9", "5"}, {2, "0", "0"}, {5, "0", "0"}, {10, "0", "0"}},
    {
        "Cycle 5|" S5 "| 5| 5| 9| 5| 0|0||ChkJMP|10,11,12,22,26,27,28,29,35|5:0:0|" ZERO_CHECK,
        "Cycle 6|" S6 "| 5| 5| 9| 5| 0|0||" OPEN6 "|5: 0: 0|" STORED,
        "Cycle 1|" S1 "| 5| 5| 9| 5| 0|0||" OPEN1 "|5: 0: 0|" SENT,
        "Cycle 1|" S1 "| 5| 5| 9| 5| 0|0||||5: 0: 0|" PASSED,
        "Cycle 1|" S1 "| 5| 5| 9| 5| 0|0|||16|5: 0: 0|" FOUND,
        "Cycle 2|" S2 "| 5| 5| 0| 0| 0|0||" OPEN2 "|5: 0: 0|" READ,
        "Cycle 2|" S2 "| 5| 5| 0| 0| 0|0||||5: 0: 0|" INS_CLOSED,
        "Cycle 3|" S3 "| 5| 0| 0| 0| 0|0||" OPEN3 "|5: 0: 0|" OPERAND_SENT,
        "Cycle 3|" S3 "| 5| 0| 0| 0| 0|0|||16|0:1:10|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 5| 0| 0| 0| 266|0||" OPEN4 "|0:1:10|" GEN_READ,
        "Cycle 4|" S4 "| 5| 0| 0| 0| 266|0||||0:1:10|" GEN_CLOSED,
    },
    21};

const TraceCase kJumpIfZeroNotTaken{
    "JumpIfZeroNotTaken",
    {{0, "1", "10"}, {1, "9", "5"}, {2, "0", "0"}, {5, "0", "0"}, {10, "0", "7"}},
    {
        "Cycle 5|" S5 "| 1| 5| 9| 5| 0|7|||12,22,26,35|5:0:0|" ZERO_CHECK,
        "Cycle 6|" S6 "| 1| 5| 9| 5| 0|7||" OPEN6 "|5: 0: 0|" STORED,
        "Cycle 7|" S7 "| 2| 5| 9| 5| 0|7||" OPEN7 "|5: 0: 0|" INCREMENTED,
        "Cycle 1|" S1 "| 2| 2| 9| 5| 0|7||" OPEN1 "|5: 0: 0|" SENT,
        "Cycle 1|" S1 "| 2| 2| 9| 5| 0|7||||5: 0: 0|" PASSED,
        "Cycle 1|" S1 "| 2| 2| 9| 5| 0|7|||16|2:0:0|" FOUND,
        "Cycle 2|" S2 "| 2| 2| 0| 0| 0|7||" OPEN2 "|2:0:0|" READ,
        "Cycle 2|" S2 "| 2| 2| 0| 0| 0|7||||2:0:0|" INS_CLOSED,
        "Cycle 3|" S3 "| 2| 0| 0| 0| 0|7||" OPEN3 "|2:0:0|" OPERAND_SENT,
        "Cycle 3|" S3 "| 2| 0| 0| 0| 0|7|||16|0:1:10|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 2| 0| 0| 0| 266|7||" OPEN4 "|0:1:10|" GEN_READ,
        "Cycle 4|" S4 "| 2| 0| 0| 0| 266|7||||0:1:10|" GEN_CLOSED,
    },
    21};

// LDA 10, S() 11, L() 11, HLT; cell 11 points at the empty cell 20. From the
// S()'s fetch on.
const TraceCase kStoreAndLoadIndirect{
    "StoreAndLoadIndirect",
    {{0, "1", "10"},
     {1, "18", "11"},
     {2, "17", "11"},
     {3, "0", "0"},
     {10, "0", "9"},
     {11, "0", "20"}},
    {
        "Cycle 1|" S1 "| 1| 1| 1| 10| 9|9||" OPEN1 "|10: 0: 9|" SENT,
        "Cycle 1|" S1 "| 1| 1| 1| 10| 9|9||||10: 0: 9|" PASSED,
        "Cycle 1|" S1 "| 1| 1| 1| 10| 9|9|||16|1:18:11|" FOUND,
        "Cycle 2|" S2 "| 1| 1| 18| 11| 9|9||" OPEN2 "|1:18:11|" READ,
        "Cycle 2|" S2 "| 1| 1| 18| 11| 9|9||||1:18:11|" INS_CLOSED,
        "Cycle 3|" S3 "| 1| 11| 18| 11| 9|9||" OPEN3 "|1:18:11|" OPERAND_SENT,
        "Cycle 3|" S3 "| 1| 11| 18| 11| 9|9|||16|11:0:20|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 1| 11| 18| 11| 20|9||" OPEN4 "|11:0:20|" GEN_READ,
        "Cycle 4|" S4 "| 1| 11| 18| 11| 20|9||||11:0:20|" GEN_CLOSED,
        // The pointer goes to the decoder, which selects cell 20; the cycle-4
        // read repeats; the accumulator goes to the General Purpose register.
        "Cycle 5|" S5 "| 1| 20| 18| 11| 20|9||ChkAddDecoder,ChkGen|9,13,14,15,19,20,38|11:0:20|"
        "S() instruction is decoded which requires an additional memory access",
        "Cycle 5|" S5 "| 1| 20| 18| 11| 20|9||||11:0:20|" INDIRECT_CLOSED,
        "Cycle 5|" S5 "| 1| 20| 18| 11| 20|9|||16|20::|" INDIRECT_FOUND,
        "Cycle 4|" S4 "| 1| 20| 18| 11| 9|9||" OPEN4 "|20::|" GEN_READ,
        "Cycle 4|" S4 "| 1| 20| 18| 11| 9|9||||20::|" GEN_CLOSED,
        "Cycle 4|" S4 "| 1| 20| 18| 11|9|9||ChkLDA|12,17,22,23,24|20::|accumulator contents are "
        "written into the General Purpose register",
        "Cycle 6|" S6 "| 1| 20| 18| 11|9|9||" OPEN6 "|20: 0: 9|" STORED,
        "Cycle 7|" S7 "| 2| 20| 18| 11|9|9||" OPEN7 "|20: 0: 9|" INCREMENTED,
        // L() 11
        "Cycle 1|" S1 "| 2| 2| 18| 11|9|9||" OPEN1 "|20: 0: 9|" SENT,
        "Cycle 1|" S1 "| 2| 2| 18| 11|9|9||||20: 0: 9|" PASSED,
        "Cycle 1|" S1 "| 2| 2| 18| 11|9|9|||16|2:17:11|" FOUND,
        "Cycle 2|" S2 "| 2| 2| 17| 11|9|9||" OPEN2 "|2:17:11|" READ,
        "Cycle 2|" S2 "| 2| 2| 17| 11|9|9||||2:17:11|" INS_CLOSED,
        "Cycle 3|" S3 "| 2| 11| 17| 11|9|9||" OPEN3 "|2:17:11|" OPERAND_SENT,
        "Cycle 3|" S3 "| 2| 11| 17| 11|9|9|||16|11:0:20|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 2| 11| 17| 11| 20|9||" OPEN4 "|11:0:20|" GEN_READ,
        "Cycle 4|" S4 "| 2| 11| 17| 11| 20|9||||11:0:20|" GEN_CLOSED,
        "Cycle 5|" S5 "| 2| 20| 17| 11| 20|9||ChkAddDecoder,ChkGen|9,13,14,15,19,20,38|11:0:20|"
        "L() instruction is decoded which requires an additional memory access",
        "Cycle 5|" S5 "| 2| 20| 17| 11| 20|9||||11:0:20|" INDIRECT_CLOSED,
        "Cycle 5|" S5 "| 2| 20| 17| 11| 20|9|||16|20: 0: 9|" INDIRECT_FOUND,
        "Cycle 4|" S4 "| 2| 20| 17| 11| 9|9||" OPEN4 "|20: 0: 9|" GEN_READ,
        "Cycle 4|" S4 "| 2| 20| 17| 11| 9|9||||20: 0: 9|" GEN_CLOSED,
        "Cycle 4|" S4 "| 2| 20| 17| 11| 9|9||ChkLDA|12,17,22,23,24|20: 0: 9|accumulator is loaded "
        "with the contents of the General Purpose register",
        "Cycle 6|" S6 "| 2| 20| 17| 11| 9|9||" OPEN6 "|20: 0: 9|" STORED,
        "Cycle 7|" S7 "| 3| 20| 17| 11| 9|9||" OPEN7 "|20: 0: 9|" INCREMENTED,
        // HLT
        "Cycle 1|" S1 "| 3| 3| 17| 11| 9|9||" OPEN1 "|20: 0: 9|" SENT,
        "Cycle 1|" S1 "| 3| 3| 17| 11| 9|9||||20: 0: 9|" PASSED,
        "Cycle 1|" S1 "| 3| 3| 17| 11| 9|9|||16|3:0:0|" FOUND,
        "Cycle 2|" S2 "| 3| 3| 0| 0| 9|9||" OPEN2 "|3:0:0|" READ,
        "Cycle 2|" S2 "| 3| 3| 0| 0| 9|9||||3:0:0|" INS_CLOSED,
        "Cycle 3|" S3 "| 3| 0| 0| 0| 9|9||" OPEN3 "|3:0:0|" OPERAND_SENT,
        "Cycle 3|" S3 "| 3| 0| 0| 0| 9|9|||16|0:1:10|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 3| 0| 0| 0| 266|9||" OPEN4 "|0:1:10|" GEN_READ,
        "Cycle 4|" S4 "| 3| 0| 0| 0| 266|9||||0:1:10|" GEN_CLOSED,
    },
    12};

// JSB 5, HLT; 5: RTN. The stack parts show, the Stack Pointer from "64".
const TraceCase kSubroutine{
    "Subroutine",
    {{0, "19", "5"}, {1, "0", "0"}, {5, "20", ""}},
    {
        "Cycle 1|" S1 "|0|0|0|0|0|0|64|" OPEN1 "|0:19:5|" SENT,
        "Cycle 1|" S1 "|0|0|0|0|0|0|64|||0:19:5|" PASSED,
        "Cycle 1|" S1 "|0|0|0|0|0|0|64||16|0:19:5|" FOUND,
        "Cycle 2|" S2 "|0|0| 19| 5|0|0|64|" OPEN2 "|0:19:5|" READ,
        "Cycle 2|" S2 "|0|0| 19| 5|0|0|64|||0:19:5|" INS_CLOSED,
        "Cycle 3|" S3 "|0| 5| 19| 5|0|0|64|" OPEN3 "|0:19:5|" OPERAND_SENT,
        "Cycle 3|" S3 "|0| 5| 19| 5|0|0|64||16|5:20:|" OPERAND_FOUND,
        "Cycle 4|" S4 "|0| 5| 19| 5| 5120|0|64|" OPEN4 "|5:20:|" GEN_READ,
        "Cycle 4|" S4 "|0| 5| 19| 5| 5120|0|64|||5:20:|" GEN_CLOSED,
        // JSB: its own cycle 7 first, the return address onto the stack, the
        // jump; no cycle 6.
        "Cycle 7|" S7 "| 1| 5| 19| 5| 5120|0|64|" OPEN7 "|5:20:|" INCREMENTED,
        "Cycle 7|" TO_DECODER "| 1|64| 19| 5| 5120|0|64|ChkAddDecoder,ChkSP|9,13,39|5:20:|" SP_SENT,
        "Cycle 7|" TO_DECODER "| 1|64| 19| 5| 5120|0|64|||5:20:|" SP_PASSED,
        "Cycle 7|" TO_DECODER "| 1|64| 19| 5| 5120|0|64||16|64::|" FOUND,
        "Cycle 7|(PC) -> Memory| 1|64| 19| 5| 5120|0|64|ChkPC|1,2,3,6,14,15,21|64: 0: 1|Program "
        "Counter Register are copied to Memory",
        "Cycle 7|(SP) = (SP) + 1| 1|64| 19| 5| 5120|0| 65||42,43,44|64: 0: 1|Stack Pointer is "
        "incremented",
        "Cycle 7|(SP) = (SP) + 1| 5|64| 19| 5| 5120|0| 65|ChkJMP|10,11,27,28,29|64: 0: 1|JUMP SUB "
        "instruction finally copies the Operand",
        // RTN
        "Cycle 1|" S1 "| 5| 5| 19| 5| 5120|0| 65|" OPEN1 "|64: 0: 1|" SENT,
        "Cycle 1|" S1 "| 5| 5| 19| 5| 5120|0| 65|||64: 0: 1|" PASSED,
        "Cycle 1|" S1 "| 5| 5| 19| 5| 5120|0| 65||16|5:20:|" FOUND,
        "Cycle 2|" S2 "| 5| 5| 20| 0| 5120|0| 65|" OPEN2 "|5:20:|" READ,
        "Cycle 2|" S2 "| 5| 5| 20| 0| 5120|0| 65|||5:20:|" INS_CLOSED,
        "Cycle 3|" S3 "| 5| 0| 20| 0| 5120|0| 65|" OPEN3 "|5:20:|" OPERAND_SENT,
        "Cycle 3|" S3 "| 5| 0| 20| 0| 5120|0| 65||16|0:19:5|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 5| 0| 20| 0| 4869|0| 65|" OPEN4 "|0:19:5|" GEN_READ,
        "Cycle 4|" S4 "| 5| 0| 20| 0| 4869|0| 65|||0:19:5|" GEN_CLOSED,
        // RTN: the stack cell back into the Program Counter; no cycles 6, 7.
        "Cycle 5|(SP) = (SP) - 1| 5| 0| 20| 0| 4869|0| 64||42,43,44|0:19:5|Stack Pointer is "
        "decremented",
        "Cycle 5|" TO_DECODER
        "| 5| 64| 20| 0| 4869|0| 64|ChkAddDecoder,ChkSP|9,13,39|0:19:5|" SP_SENT,
        "Cycle 5|" TO_DECODER "| 5| 64| 20| 0| 4869|0| 64|||0:19:5|" SP_PASSED,
        "Cycle 5|" TO_DECODER "| 5| 64| 20| 0| 4869|0| 64||16|64: 0: 1|" FOUND,
        "Cycle 5|memory -> PC| 1| 64| 20| 0| 4869|0| 64|ChkPC|1,2,3,6,14,15,21|64: 0: 1|return "
        "address is now read from memory into the PC",
        "Cycle 5|memory -> PC| 1| 64| 20| 0| 4869|0| 64|||64: 0: 1|gateway between the PC and the "
        "Bus is now closed",
        // HLT
        "Cycle 1|" S1 "| 1| 1| 20| 0| 4869|0| 64|" OPEN1 "|64: 0: 1|" SENT,
        "Cycle 1|" S1 "| 1| 1| 20| 0| 4869|0| 64|||64: 0: 1|" PASSED,
        "Cycle 1|" S1 "| 1| 1| 20| 0| 4869|0| 64||16|1:0:0|" FOUND,
        "Cycle 2|" S2 "| 1| 1| 0| 0| 4869|0| 64|" OPEN2 "|1:0:0|" READ,
        "Cycle 2|" S2 "| 1| 1| 0| 0| 4869|0| 64|||1:0:0|" INS_CLOSED,
        "Cycle 3|" S3 "| 1| 0| 0| 0| 4869|0| 64|" OPEN3 "|1:0:0|" OPERAND_SENT,
        "Cycle 3|" S3 "| 1| 0| 0| 0| 4869|0| 64||16|0:19:5|" OPERAND_FOUND,
        "Cycle 4|" S4 "| 1| 0| 0| 0| 4869|0| 64|" OPEN4 "|0:19:5|" GEN_READ,
        "Cycle 4|" S4 "| 1| 0| 0| 0| 4869|0| 64|||0:19:5|" GEN_CLOSED,
    }};

// HLT 90: the decoder's address names no cell; nothing is selected and the
// General Purpose register keeps its value.
const TraceCase kOperandBeyondMemory{
    "OperandBeyondMemory",
    {{0, "0", "90"}},
    {
        "Cycle 1|" S1 "|0|0|0|0|0|0||" OPEN1 "|0:0:90|" SENT,
        "Cycle 1|" S1 "|0|0|0|0|0|0||||0:0:90|" PASSED,
        "Cycle 1|" S1 "|0|0|0|0|0|0|||16|0:0:90|" FOUND,
        "Cycle 2|" S2 "|0|0| 0| 90|0|0||" OPEN2 "|0:0:90|" READ,
        "Cycle 2|" S2 "|0|0| 0| 90|0|0||||0:0:90|" INS_CLOSED,
        "Cycle 3|" S3 "|0| 90| 0| 90|0|0||" OPEN3 "|0:0:90|" OPERAND_SENT,
        "Cycle 3|" S3 "|0| 90| 0| 90|0|0|||16|0:0:90|" OPERAND_FOUND,
        "Cycle 4|" S4 "|0| 90| 0| 90|0|0||" OPEN4 "|0:0:90|" GEN_READ,
        "Cycle 4|" S4 "|0| 90| 0| 90|0|0||||0:0:90|" GEN_CLOSED,
    }};

// LDA 90 is reported: the run ends after it, its cycle 7 passes without
// a second word and no cycle 6 is shown.
const TraceCase kIllegalAddress{"IllegalAddressShowsNoCycleSix",
                                {{0, "1", "90"}},
                                {
                                    "Cycle 4|" S4 "|0| 90| 1| 90|0|0||||0:1:90|" GEN_CLOSED,
                                    "Cycle 7|" S7 "| 1| 90| 1| 90|0|0||" OPEN7
                                    "|0:1:90|" INCREMENTED,
                                },
                                8};

// ION, then an interrupt whose vector cell is empty: the failed service is
// reported, and the next fetch still shows cycles 2 to 4, each step passing
// without its closing words.
const TraceCase kFailedInterruptService{
    "FailedInterruptServiceStillShowsTheFetch",
    {{0, "14", "0"}, {1, "0", "0"}},
    {
        "Cycle 5|" S5 "|0| 0| 14| 0| 3584|0||||0:14:0|status register is set",
        "Cycle 6|" S6 "|0| 0| 14| 0| 3584|0||" OPEN6 "|0: 14: 0|" STORED,
        "Cycle 7|" S7 "| 1| 0| 14| 0| 3584|0||" OPEN7 "|0: 14: 0|" INCREMENTED,
        "Cycle 1|" S1 "| 1| 1| 14| 0| 3584|0||" OPEN1 "|0: 14: 0|" SENT,
        "Cycle 2|" S2 "| 1| 1| 0| 0| 3584|0||" OPEN2 "|0: 14: 0|" READ,
        "Cycle 3|" S3 "| 1| 0| 0| 0| 3584|0||" OPEN3 "|0: 14: 0|" OPERAND_SENT,
        "Cycle 4|" S4 "| 1| 0| 0| 0| 3584|0||" OPEN4 "|0: 14: 0|" GEN_READ,
    },
    9,
    [](Rig& r) {
        r.zeb.stack.toggleInterruptDisplay();
        r.zeb.stack.pressKey(0);
    }};

INSTANTIATE_TEST_SUITE_P(Programs, CycleTrace,
                         ::testing::Values(kLoadAddStoreJump, kJumpIfZeroTaken, kJumpIfZeroNotTaken,
                                           kStoreAndLoadIndirect, kSubroutine, kOperandBeyondMemory,
                                           kIllegalAddress, kFailedInterruptService),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zeb::test
