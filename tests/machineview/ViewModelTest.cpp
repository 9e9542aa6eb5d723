#include "ViewRig.h"

#include <gtest/gtest.h>

#include <chrono>

namespace zeb::test {
namespace {

struct Counter : machineview::MachineViewObserver {
    int changes = 0;
    void fieldChanged(Field) override { ++changes; }
    void gatewayChanged(Gateway) override { ++changes; }
    void wireChanged(int) override { ++changes; }
    void controlChanged(Control) override { ++changes; }
    void gridTextChanged(int, int) override { ++changes; }
    void gridSelectionChanged() override { ++changes; }
    void clockChanged(int) override { ++changes; }
};

TEST(MachineView, WithTheViewClosedTheHooksChangeNothing) {
    ViewRig r;
    r.Program({{0, "1", "9"}, {1, "2", "8"}, {2, "19", "5"}, {5, "7", "6"}, {6, "0", "0"}});
    r.m.setViewMode(ViewMode::Normal);
    Counter counter;
    r.bit.view().addObserver(&counter);
    const Snap before = Take(r.bit.view());
    r.Run();
    EXPECT_EQ(counter.changes, 0);
    EXPECT_EQ(r.host.waits, 0);
    const Snap after = Take(r.bit.view());
    EXPECT_EQ(after.clock, before.clock);
    EXPECT_EQ(after.explain, "Initialising");
    EXPECT_EQ(after.pc, "0");
    EXPECT_EQ(after.gates + after.lit, "");
    // The machine itself ran the program.
    EXPECT_EQ(trimBlanks(r.PC()), "6");
}

TEST(MachineView, OpeningResetsTheFetchGatewaysAndCopiesMemory) {
    ViewRig r;
    for (int g = 0; g < machineview::kGatewayCount; ++g)
        r.bit.view().setOpen(static_cast<Gateway>(g), true);
    r.Program({{3, "20", "7"}, {4, "1", ""}});
    r.m.setViewMode(ViewMode::Normal);
    r.bit.InitBitMachine();
    const MachineViewState& v = r.bit.view();
    EXPECT_EQ(r.m.viewMode(), ViewMode::MachineView);
    EXPECT_EQ(OpenGates(v), "SP Gen JMP");
    EXPECT_EQ(v.text(Field::TxtExplain), "Initialising");
    EXPECT_EQ(v.text(Field::PnlDecoder), "");
    EXPECT_EQ(v.text(Field::PnlSP), "64");
    EXPECT_TRUE(v.stackPartsShown());
    EXPECT_TRUE(v.wire(39).visible);
    EXPECT_EQ(v.gridText(3, 0), " 3");
    EXPECT_EQ(v.gridText(3, 1), "20");
    EXPECT_EQ(v.gridText(4, 2), "");
    EXPECT_EQ(v.column0Width(), 400);
    EXPECT_EQ(v.currentRow(), 0);

    r.Program({{3, "1", "7"}});
    r.bit.CopyZebsMemory();
    EXPECT_FALSE(v.stackPartsShown());
    EXPECT_FALSE(v.wire(44).visible);
}

TEST(MachineView, ContinueEndsEachWaitAndIsEnabledWhileOneRuns) {
    ViewRig r;
    r.Program({{0, "0", "0"}});
    int checked = 0;
    r.host.onWait = [&] {
        ASSERT_TRUE(r.host.waitDone);
        EXPECT_FALSE(r.host.waitDeadline.has_value());
        EXPECT_TRUE(r.bit.view().enabled(Control::CmdContinue));
        EXPECT_FALSE(r.host.waitDone());
        r.bit.CmdContinue_Click();
        EXPECT_TRUE(r.host.waitDone());
        EXPECT_FALSE(r.bit.view().enabled(Control::CmdContinue));
        ++checked;
    };
    r.Run();
    EXPECT_EQ(checked, 9);
}

TEST(MachineView, StopDuringAWaitSkipsTheClosingTextAndTheRemainingWaits) {
    ViewRig r;
    r.Program({{0, "1", "5"}, {1, "0", "0"}});
    struct Texts : machineview::MachineViewObserver {
        const MachineViewState* view = nullptr;
        std::vector<std::string> shown;
        void fieldChanged(Field f) override {
            if (f == Field::TxtExplain) shown.push_back(view->text(f));
        }
    } texts;
    texts.view = &r.bit.view();
    r.bit.view().addObserver(&texts);
    r.host.onWait = [&] {
        r.bit.CmdStop_Click();
        EXPECT_TRUE(r.host.waitDone());
    };
    r.Run();
    EXPECT_EQ(r.host.waits, 1);
    // Every fetch step still opened its path, but none said it was closed.
    EXPECT_EQ(texts.shown.size(), 4u);
    for (const std::string& t : texts.shown)
        EXPECT_EQ(t.find("now closed"), std::string::npos) << t;
    const MachineViewState& v = r.bit.view();
    // The last fetch step opened and closed its path without its closing text.
    EXPECT_EQ(v.text(Field::TxtExplain),
              "The Address Decoder now identifies the memory location at the  address given by "
              "the Operand and connects the  address location to the Bus.");
    EXPECT_EQ(OpenGates(v) + LitWires(v), "");
    EXPECT_EQ(v.currentRow(), 0); // no memory cell was identified
    EXPECT_TRUE(v.enabled(Control::CmdRun));
    EXPECT_FALSE(v.enabled(Control::CmdStop));
}

TEST(MachineView, FixedPeriodsWaitForTheTimerEvenOutsideARun) {
    ViewRig r;
    r.bit.view().setWaitForContinue(false);
    r.m.setWaitInterval(2);
    r.host.onWait = [&] {
        const auto now = Host::Clock::now();
        ASSERT_TRUE(r.host.waitDeadline.has_value());
        EXPECT_GT(*r.host.waitDeadline, now + std::chrono::seconds(1));
        EXPECT_LE(*r.host.waitDeadline, now + std::chrono::seconds(2));
        EXPECT_TRUE(r.bit.TimerEnabled());
        EXPECT_FALSE(r.host.waitDone());
    };
    r.m.stopRun();
    r.bit.onOutput();
    EXPECT_EQ(r.host.waits, 1);
    EXPECT_FALSE(r.bit.TimerEnabled());
    EXPECT_TRUE(r.m.continueRequested());
    EXPECT_EQ(r.bit.view().text(Field::TxtExplain),
              "The Value of the accumulator is printed.  This cannot be represented accurately.");

    r.m.setWaitInterval(0);
    r.bit.onReadInterruptKey();
    EXPECT_EQ(r.host.waits, 1);

    // Waiting for Continue outside a run does not wait at all.
    r.m.setWaitInterval(2);
    r.bit.view().setWaitForContinue(true);
    r.bit.onInterruptMask(true);
    EXPECT_EQ(r.host.waits, 1);
    EXPECT_TRUE(r.m.continueRequested());
    EXPECT_EQ(r.bit.view().text(Field::TxtExplain),
              "The Interrupt mask bit in the status register is set.  This cannot be represented "
              "accurately.");
}

TEST(MachineView, WiresLightInTheHighlightColourAndTheDecoderWireInRed) {
    ViewRig r;
    r.m.preferences().highlightColour = kGreen;
    r.Program({{0, "0", "0"}});
    std::vector<std::pair<machineview::Wire, machineview::Wire>> seen;
    r.host.onWait = [&] { seen.push_back({r.bit.view().wire(6), r.bit.view().wire(16)}); };
    r.Run();
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[0].first.colour, kGreen);
    EXPECT_EQ(seen[0].first.width, 4);
    EXPECT_EQ(seen[1].first.colour, kBlack);
    EXPECT_EQ(seen[1].first.width, 1);
    EXPECT_EQ(seen[2].second.colour, kRed);
    EXPECT_EQ(seen[2].second.width, 1); // wide only when the highlight is red too
    EXPECT_EQ(r.bit.view().wire(16).colour, kBlack);
}

TEST(MachineView, ArithmeticShowsTheSignedResultAndTheAluPaths) {
    ViewRig r;
    r.Program({{0, "1", "9"}, {1, "4", "8"}, {2, "0", "0"}, {8, "0", "7"}, {9, "0", "5"}});
    r.Run();
    const Snap& step = r.snaps[21];
    EXPECT_EQ(step.clock, "Cycle 5");
    EXPECT_EQ(step.acc, " 32770"); // minus 2 as a sign-magnitude word
    EXPECT_EQ(step.lit, "10 12 17 22 23 25 26 27 32 33 35 36 37");
    EXPECT_EQ(step.explain, " The AC- instruction is decoded by the Instruction decoder and passed "
                            "to the Arithmetic Logic Unit to perform the subtraction, the result "
                            "is placed in the Accumulator Register.");
}

} // namespace
} // namespace zeb::test
