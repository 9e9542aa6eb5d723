#include "TestHost.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

TEST(Input, TypedNumbers) {
    struct Case {
        std::vector<std::string> typed;
        const char* acc;
        std::vector<std::string> reports;
    } cases[] = {
        {{"65535"}, " 65535", {}},
        {{"99999"}, " 65535", {Report("Input causes overflow")}},
        {{"65536"}, " 65535", {Report("Input causes overflow")}},
        {{"", "12"}, "    12", {"You must input a number"}},
        {{"32770"}, " 32770", {}},
        {{"007"}, "     7", {}},
        {{"-2"}, "     0", {Report("Input causes underflow")}},
    };
    for (const auto& c : cases) {
        Rig r;
        r.Program({{0, "11", ""}});
        for (const auto& t : c.typed)
            r.host.inputs.push_back(t);
        r.zeb.run().step();
        EXPECT_EQ(r.Acc(), c.acc);
        EXPECT_EQ(r.host.texts(), c.reports);
        EXPECT_EQ(r.PC(), "     1");
    }
}

TEST(Input, WindowKeepsFiveDigitsAndTheLastOK) {
    InputPad w;
    w.startEntry();
    for (int d : {-1, 10, 9, 0, 1, 2, 3, 4})
        w.pressDigit(d);
    EXPECT_EQ(w.display(), "90123");
    w.deleteLastDigit();
    EXPECT_EQ(w.display() + "/" + w.enteredText(), "9012/");
    w.accept();
    w.startEntry();
    w.deleteLastDigit();
    EXPECT_EQ(w.display() + "/" + w.enteredText(), "/9012");
}

TEST(Output, SignedValuesOnThePrinterAndTheFieldInTheLog) {
    Rig r;
    r.Program({{0, "12", ""}});
    r.m.changeAcc(32770);
    r.zeb.run().step();
    EXPECT_EQ(r.zeb.display().printerLine(1), "-2");
    EXPECT_EQ(r.m.runState().runLog().lines().at(0), "OUTPUT:  32770");
    r.bases.changeBase(NumberBase::Hexadecimal);
    r.m.changePC(0);
    r.zeb.run().step();
    EXPECT_EQ(r.zeb.display().printerLine(1) + r.zeb.display().printerLine(2), "-2-2");
    EXPECT_EQ(r.m.runState().runLog().lines().at(1), "OUTPUT:   8002");
}

TEST(Output, RunLogWrapsAfterNinetyNine) {
    Rig r;
    r.Program({{0, "12", ""}});
    for (int i = 1; i <= 100; ++i) {
        r.m.changeAcc(i);
        r.m.changePC(0);
        r.zeb.run().step();
    }
    // The hundredth line starts the log again: the file keeps only that one.
    EXPECT_EQ(r.m.runState().runLog().lines(), std::vector<std::string>{"OUTPUT:    100"});
}

TEST(Output, PaperFeedScrollsUp) {
    Rig r;
    for (const char* line : {"1", "2", "3", "4", "5"})
        r.zeb.devices().printLine(line);
    EXPECT_EQ(r.zeb.display().printerLine(4), "2");
    r.zeb.devices().feedPaper();
    EXPECT_EQ((std::vector{r.zeb.display().printerLine(4), r.zeb.display().printerLine(2),
                           r.zeb.display().printerLine(1)}),
              (std::vector<std::string>{"3", "5", ""}));
    EXPECT_FALSE(r.zeb.display().printing());
}

TEST(OutputDevice, ShowsCellsAsCharactersWhileVisible) {
    Rig r;
    r.Program({{0, "2", "70"}});
    r.m.changeAcc(65);
    r.zeb.run().step();
    EXPECT_EQ(r.zeb.display().outputText(), std::string(10, ' ')); // hidden: not followed
    r.zeb.devices().toggleOutputDevice();
    EXPECT_TRUE(r.zeb.display().get(Flag::OutputChecked));
    EXPECT_EQ(r.zeb.display().outputText(), " A        ");
    r.m.changeAcc(300);
    r.m.changePC(0);
    r.zeb.run().step();
    EXPECT_EQ(r.zeb.display().outputText(), "          ");
    // The device's cells are 69 to 78.
    r.m.setOperand(69, 66, NumberBase::Decimal);
    r.m.setOperand(78, 126, NumberBase::Decimal);
    r.m.setOperand(79, 67, NumberBase::Decimal);
    EXPECT_EQ(r.zeb.display().outputText(), "B        ~");
    // A base change closes the window.
    r.bases.changeBase(NumberBase::Hexadecimal);
    EXPECT_EQ(r.Flags({Flag::OutputVisible, Flag::OutputChecked}), "00");
}

} // namespace
} // namespace zeb::test
