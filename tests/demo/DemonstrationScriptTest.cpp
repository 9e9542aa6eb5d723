#include "demo/DemonstrationScript.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using zeb::DemonstrationScript;

namespace {

const std::string kEnd = "\r\n\r\n[message ends]";

DemonstrationScript Built() {
    DemonstrationScript s;
    s.build();
    return s;
}

// What advances each entry: the click the student is told to make, or Next.
struct Step {
    const char* control; // "" = Next
    int value;
};
constexpr Step kSteps[] = {
    {"", 0},      {"", 0},         {"clearicon", 0}, {"Operator", 0}, {"pads", 1}, {"operand", 0},
    {"pads", 11}, {"operand", 11}, {"pads", 9},      {"operator", 1}, {"pads", 9}, {"operand", 1},
    {"pads", 10}, {"operator", 2}, {"pads", 12},     {"operator", 3}, {"pads", 4}, {"operand", 3},
    {"pads", 12}, {"operator", 4}, {"pads", 7},      {"operand", 4},  {"pads", 1}, {"operator", 10},
    {"pads", 0},  {"operand", 12}, {"pads", 1},      {"runicon", 0},  {"", 0},     {"pciconl", 0},
    {"", 0},      {"", 0}};

} // namespace

TEST(DemonstrationScript, HasThirtyTwoEntriesEachWaitingForOneClickOrForNext) {
    const DemonstrationScript s = Built();
    ASSERT_EQ(s.lastEntry(), 32);
    for (int i = 1; i <= 32; ++i) {
        SCOPED_TRACE(i);
        const Step& want = kSteps[i - 1];
        EXPECT_EQ(s.entry(i).controlName, want.control);
        EXPECT_EQ(s.entry(i).value, want.value);
        // Next only where no click moves on, and never on the last entry.
        EXPECT_EQ(s.entry(i).nextEnabled, std::string(want.control).empty() && i != 32);
    }
}

TEST(DemonstrationScript, HelpOpensTheContentsFirstThenTheTopicOfEachStep) {
    const DemonstrationScript s = Built();
    const std::string topics[] = {
        "Contents",          "Contents",         "Clearing memory",
        "memory store",      "instruction set",  "memory store",
        "memory store",      "memory store",     "memory store",
        "memory store",      "instruction set",  "memory store",
        "instruction set",   "memory store",     "instruction set",
        "memory store",      "instruction set",  "memory store",
        "instruction set",   "memory store",     "instruction set",
        "memory store",      "instruction set",  "memory store",
        "instruction set",   "memory store",     "instruction set",
        "running",           "running",          "resetting program counter",
        "machine simulator", "machine simulator"};
    for (int i = 1; i <= 32; ++i)
        EXPECT_EQ(s.entry(i).helpTopic, topics[i - 1]) << "entry " << i;
}

TEST(DemonstrationScript, EveryMessageEndsWithTheTrailerAndBreaksLinesAsCarriageReturnLineFeed) {
    const DemonstrationScript s = Built();
    for (int i = 1; i <= 32; ++i) {
        SCOPED_TRACE(i);
        const std::string& m = s.entry(i).message;
        ASSERT_GT(m.size(), kEnd.size());
        EXPECT_EQ(m.substr(m.size() - kEnd.size()), kEnd);
        EXPECT_EQ(m.find(kEnd), m.size() - kEnd.size()) << "one trailer only";
        for (std::size_t p = 0; p < m.size(); ++p) {
            if (m[p] == '\r') {
                EXPECT_EQ(m[p + 1], '\n');
            }
            if (m[p] == '\n') {
                EXPECT_EQ(m[p - 1], '\r');
            }
        }
    }
}

// Whole messages where line breaks, blank lines and the pieces' own spaces
// decide how the text reads.
TEST(DemonstrationScript, MessagesJoinTheirPiecesWithNothingBetween) {
    const DemonstrationScript s = Built();
    struct Case {
        int entry;
        std::string message;
    };
    const Case cases[] = {
        {1, "Please note that you may need to use the scroll bar on the right to see all of a "
            "message.\r\nYou may resize and reposition this window. \r\nThe last line of each "
            "message is as shown below.\r\nClick on Next now to see the next message." +
                kEnd},
        {3, "As a precaution we will clear the current memory contents. Click on Clear (located "
            "on the keypad) now, click on OK when the warning appears.." +
                kEnd},
        {9, "Our loop will run from the value 9.  Click on 9 on the keypad now." + kEnd},
        {16, "The OUT instruction does not need an operand, so we move  straight on to the next "
             "instruction. So click on the high word of memory location 3 in order to put the "
             "next instruction into this address." +
                 kEnd},
        {29, "Your program will now be running. Note how the flow of control is explicitly "
             "represented. \r\n We can see the contents of the registers at all times during "
             "execution. \r\n\r\nPress Next when your program has finished executing. " +
                 kEnd},
        {32, "Thank you for taking the time to look at ZEB.  We are sure that you will find it "
             "useful in teaching the fundamental concepts of computing as painlessly as "
             "possible.\r\n\r\n Remove this screen by clicking on Cancel now, or press Help to "
             "see help on running ZEB's machine." +
                 kEnd},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s.entry(c.entry).message, c.message) << "entry " << c.entry;
}

TEST(DemonstrationScript, PseudoCodeKeepsItsIndentationOnLinesOfItsOwn) {
    const std::string m = Built().entry(4).message;
    EXPECT_NE(m.find("pseudo code:\r\n\r\n    begin\r\n    label:\r\n        if X > 0 then\r\n"
                     "            output X\r\n            X = X - 1\r\n            goto label\r\n"
                     "        endif\r\n    end\r\n\r\nTo enter this program do the following:\r\n"
                     "Click on high word of address 0 now, this is where we are going to place "
                     "the first instruction." +
                     kEnd),
              std::string::npos);
}

TEST(DemonstrationScript, SpotsWherePiecesMeetReadAsWritten) {
    const DemonstrationScript s = Built();
    const std::pair<int, const char*> cases[] = {
        {2, "Instruction Set.  In particular"},
        {2, "section.  If you want to view"},
        {5, "our first instruction will by LOAD. Click on on keypad 1 (LOAD)"},
        {7, "at location 11. Therefore the operand for the LOAD instruction is 11. Click on "
            "keypad 11 now."},
        {8, "this has to be stored at location 11.  Click on the LOW word"},
        {11, "accumulator is zero.  We use this to exit our loop."},
        {17, "Click on the keypad number 4 (ACC-). \r\n"},
        {18, "ACC- instruction.  Click on the low word at location 3."},
        {21, "transfer control  to the address given as its operand. Click on keypad number 7"},
        {26, "round the loop.  This number needs to be stored at location 12."},
        {31, "the Help file. \r\nPlease feel free to experiment"},
        {31, "writing new ones.  Click on Next."},
    };
    for (const auto& [entry, text] : cases)
        EXPECT_NE(s.entry(entry).message.find(text), std::string::npos)
            << "entry " << entry << " lacks: " << text;
}

TEST(DemonstrationScript, BuildingAgainStartsAfreshAndNoEntryLiesOutsideTheScript) {
    DemonstrationScript s;
    EXPECT_THROW(s.entry(1), std::out_of_range);
    s.build();
    s.build();
    EXPECT_EQ(s.lastEntry(), 32);
    EXPECT_THROW(s.entry(0), std::out_of_range);
    EXPECT_THROW(s.entry(33), std::out_of_range);
    EXPECT_EQ(s.entry(1).controlName, "");
}
