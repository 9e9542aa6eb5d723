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
    };
    for (const auto& c : cases) {
        Rig r;
        r.Program({{0, "11", ""}});
        for (const auto& t : c.typed)
            r.host.inputs.push_back(t);
        r.zeb.run.stepicon_Click();
        EXPECT_EQ(r.Acc(), c.acc);
        EXPECT_EQ(r.host.texts(), c.reports);
        EXPECT_EQ(r.PC(), "     1");
    }
}

TEST(Input, AbandonedWhenTheProgramEnds) {
    Rig r;
    r.Program({{0, "11", ""}, {1, "0", ""}});
    r.zeb.run.runicon_Click();
    EXPECT_EQ(r.host.inputBoxes, 1);
    EXPECT_FALSE(r.m.Running);
    EXPECT_EQ(r.PC(), "     0");
}

TEST(Input, WindowKeepsFiveDigitsAndTheLastOK) {
    InputWindow w;
    w.Form_Activate();
    for (int d : {1, 2, 3, 4, 5, 6})
        w.CmdNumber_Click(d);
    EXPECT_EQ(w.PnlInput(), "12345");
    w.Command3D1_Click();
    EXPECT_EQ(w.PnlInput(), "1234");
    EXPECT_EQ(w.EnteredText(), "");
    w.Command1_Click();
    EXPECT_EQ(w.EnteredText(), "1234");
    w.Form_Activate();
    EXPECT_EQ(w.PnlInput(), "");
    w.Command3D1_Click();
    EXPECT_EQ(w.PnlInput(), "");
    EXPECT_EQ(w.EnteredText(), "1234");
}

TEST(Output, SignedValuesOnThePrinterAndTheFieldInTheLog) {
    Rig r;
    r.Program({{0, "12", ""}});
    r.m.ChangeAcc(32770);
    r.zeb.run.stepicon_Click();
    EXPECT_EQ(r.zeb.display.PrinterLine(1), "-2");
    EXPECT_EQ(r.m.RunLog[1], "OUTPUT:  32770");
    r.bases.ChangeBase(16);
    r.m.ChangePC(0);
    r.zeb.run.stepicon_Click();
    EXPECT_EQ(r.zeb.display.PrinterLine(1), "-2");
    EXPECT_EQ(r.zeb.display.PrinterLine(2), "-2");
    EXPECT_EQ(r.m.RunLog[2], "OUTPUT:   8002");
}

TEST(Output, RunLogWrapsAfterNinetyNine) {
    Rig r;
    r.Program({{0, "12", ""}});
    for (int i = 1; i <= 100; ++i) {
        r.m.ChangeAcc(i);
        r.m.ChangePC(0);
        r.zeb.run.stepicon_Click();
    }
    EXPECT_EQ(r.m.RunLogCount, 2);
    EXPECT_EQ(r.m.RunLog[1], "OUTPUT:    100");
    EXPECT_EQ(r.m.RunLog[99], "OUTPUT:     99");
}

TEST(Output, PaperFeedScrollsUp) {
    Rig r;
    for (const char* line : {"1", "2", "3", "4", "5"})
        r.zeb.devices.Out(line);
    EXPECT_EQ(r.zeb.display.PrinterLine(4), "2");
    r.zeb.devices.printicon_Click();
    EXPECT_EQ(r.zeb.display.PrinterLine(4), "3");
    EXPECT_EQ(r.zeb.display.PrinterLine(2), "5");
    EXPECT_EQ(r.zeb.display.PrinterLine(1), "");
    EXPECT_FALSE(r.zeb.display.Printing());
}

TEST(OutputDevice, ShowsCellsAsCharactersWhileVisible) {
    Rig r;
    r.Program({{0, "2", "70"}});
    r.m.ChangeAcc(65);
    r.zeb.run.stepicon_Click();
    EXPECT_EQ(r.zeb.display.OutputText(), std::string(10, ' ')); // hidden: not followed
    r.zeb.devices.MnuOutput_Click();
    EXPECT_TRUE(r.zeb.display.get(Flag::OutputChecked));
    EXPECT_EQ(r.zeb.display.OutputText(), " A        ");
    r.m.ChangeAcc(300);
    r.m.ChangePC(0);
    r.zeb.run.stepicon_Click();
    EXPECT_EQ(r.zeb.display.OutputText(), "          ");
    r.m.SetOperand(78, 126, 10);
    EXPECT_EQ(r.zeb.display.OutputText().back(), '~');
    // A base change closes the window.
    r.bases.ChangeBase(16);
    EXPECT_FALSE(r.zeb.display.get(Flag::OutputVisible));
    EXPECT_FALSE(r.zeb.display.get(Flag::OutputChecked));
}

} // namespace
} // namespace zeb::test
