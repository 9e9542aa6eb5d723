#include "ViewRig.h"

#include <gtest/gtest.h>

#include <chrono>

namespace zeb::test {
namespace {

bool Contains(const std::string& text, const std::string& phrase) {
    return text.find(phrase) != std::string::npos;
}

struct ChangeCounter : machineview::MachineViewObserver {
    int changes = 0;
    void fieldChanged(ViewField) override { ++changes; }
    void gatewayChanged(Gateway) override { ++changes; }
    void wireChanged(int) override { ++changes; }
    void controlChanged(ViewControl) override { ++changes; }
    void gridTextChanged(int, int) override { ++changes; }
    void gridSelectionChanged() override { ++changes; }
    void clockChanged(int) override { ++changes; }
};

TEST(MachineViewModel, WithTheViewClosedTheHooksChangeNothing) {
    ViewRig r;
    r.Program({{0, "1", "9"}, {1, "2", "8"}, {2, "19", "5"}, {5, "7", "6"}, {6, "0", "0"}});
    r.m.setViewMode(ViewMode::Normal);
    ChangeCounter counter;
    r.bit.display().addObserver(&counter);
    r.Run();
    EXPECT_EQ(counter.changes, 0);
    EXPECT_EQ(r.host.waits, 0);
    // The machine itself ran the program.
    EXPECT_EQ(trimBlanks(r.PC()), "6");
}

TEST(MachineViewModel, OpeningResetsTheFetchGatewaysAndCopiesMemory) {
    ViewRig r;
    for (int g = 0; g < machineview::kGatewayCount; ++g)
        r.bit.display().setOpen(static_cast<Gateway>(g), true);
    r.Program({{3, "20", "7"}, {4, "1", ""}});
    r.m.setViewMode(ViewMode::Normal);
    r.bit.open();
    const MachineViewDisplay& v = r.bit.display();
    EXPECT_EQ(r.m.viewMode(), ViewMode::MachineView);
    // The student's General Purpose, Stack Pointer and Jump gateways stay open.
    EXPECT_EQ(OpenGates(v), "SP Gen JMP");
    EXPECT_EQ(v.text(ViewField::Explanation), "Initialising");
    EXPECT_EQ(v.text(ViewField::AddressDecoder), "");
    EXPECT_EQ(v.text(ViewField::StackPointer), "64");
    EXPECT_TRUE(v.stackPartsShown());
    EXPECT_TRUE(v.wire(39).visible);
    EXPECT_EQ(v.gridText(3, 0), " 3");
    EXPECT_EQ(v.gridText(3, 1), "20");
    EXPECT_EQ(v.gridText(4, 2), "");
    EXPECT_EQ(v.currentRow(), 0);

    r.Program({{3, "1", "7"}});
    r.bit.copyMemory();
    EXPECT_FALSE(v.stackPartsShown());
    EXPECT_FALSE(v.wire(44).visible);
}

TEST(MachineViewModel, StopDuringAWaitSkipsTheClosingTextAndTheRemainingWaits) {
    ViewRig r;
    r.Program({{0, "1", "5"}, {1, "0", "0"}});
    struct Texts : machineview::MachineViewObserver {
        const MachineViewDisplay* view = nullptr;
        std::vector<std::string> shown;
        void fieldChanged(ViewField f) override {
            if (f == ViewField::Explanation) shown.push_back(view->text(f));
        }
    } texts;
    texts.view = &r.bit.display();
    r.bit.display().addObserver(&texts);
    r.host.onWait = [&] {
        r.bit.stop();
        EXPECT_TRUE(r.host.waitDone());
    };
    r.bit.run();
    EXPECT_EQ(r.host.waits, 1);
    // Every fetch step still opened its path, but none said it was closed.
    EXPECT_EQ(texts.shown.size(), 4u);
    for (const std::string& t : texts.shown)
        EXPECT_FALSE(Contains(t, "now closed")) << t;
    const MachineViewDisplay& v = r.bit.display();
    EXPECT_TRUE(Contains(v.text(ViewField::Explanation), "connects the  address location"));
    EXPECT_EQ(OpenGates(v) + LitWires(v), "");
    EXPECT_EQ(v.currentRow(), 0); // no memory cell was identified
    EXPECT_TRUE(v.enabled(ViewControl::RunButton));
    EXPECT_FALSE(v.enabled(ViewControl::StopButton));
}

TEST(MachineViewModel, StopEndsAFixedPeriodOfARunFromTheViewAtOnce) {
    ViewRig r;
    r.Program({{0, "1", "5"}, {1, "0", "0"}});
    r.bit.display().setWaitForContinue(false);
    r.m.setWaitInterval(2);
    r.host.onWait = [&] {
        EXPECT_FALSE(r.host.waitDone());
        r.bit.stop();
        EXPECT_TRUE(r.host.waitDone());
    };
    r.bit.run();
    // The rest of the instruction passed without a fixed period.
    EXPECT_EQ(r.host.waits, 1);
    EXPECT_FALSE(r.bit.stepWait().timerRunning());
}

TEST(MachineViewModel, CancelEndsTheWaitAndTheViewsSteps) {
    ViewRig r;
    r.Program({{0, "1", "5"}, {1, "0", "0"}});
    ChangeCounter counter;
    r.host.onWait = [&] {
        r.bit.cancel();
        EXPECT_TRUE(r.host.waitDone());
        r.bit.display().addObserver(&counter);
    };
    r.bit.run();
    EXPECT_EQ(r.host.waits, 1);
    EXPECT_EQ(r.m.viewMode(), ViewMode::Normal);
    EXPECT_FALSE(r.m.running());
    // Only the step under way closed its path; no other step showed anything.
    EXPECT_LE(counter.changes, 12);
    EXPECT_EQ(OpenGates(r.bit.display()) + LitWires(r.bit.display()), "");
}

TEST(MachineViewModel, CancelledWhileRunPreparesNoRunStarts) {
    ViewRig r;
    r.Program({{0, "7", "0"}});
    r.zeb.pacing.setEnabled(true);
    // Cancelled (or the program ended) in the first pause of Run.
    r.host.onYield = [&] {
        r.bit.cancel();
        r.host.onYield = nullptr;
    };
    int executed = 0;
    r.zeb.run.setAfterInstruction([&](Opcode) {
        if (++executed == 5) r.m.stopRun();
    });
    r.bit.run();
    EXPECT_EQ(executed, 0);
    EXPECT_FALSE(r.m.running());
}

TEST(MachineViewModel, FixedPeriodsWaitForTheTimerEvenOutsideARun) {
    ViewRig r;
    r.bit.display().setWaitForContinue(false);
    r.m.setWaitInterval(2);
    r.host.onWait = [&] {
        const auto now = Host::Clock::now();
        ASSERT_TRUE(r.host.waitDeadline.has_value());
        EXPECT_GT(*r.host.waitDeadline, now + std::chrono::seconds(1));
        EXPECT_LE(*r.host.waitDeadline, now + std::chrono::seconds(2));
        EXPECT_TRUE(r.bit.stepWait().timerRunning());
        EXPECT_FALSE(r.host.waitDone());
    };
    r.m.stopRun();
    r.bit.microOp(transfer(Unit::Accumulator, Unit::OutputDevice));
    EXPECT_EQ(r.host.waits, 1);
    EXPECT_FALSE(r.bit.stepWait().timerRunning());
    EXPECT_TRUE(r.m.continueRequested());
    EXPECT_TRUE(Contains(r.bit.display().text(ViewField::Explanation), "accumulator is printed"));

    r.m.setWaitInterval(0);
    r.bit.microOp(transfer(Unit::InterruptDevice, Unit::Accumulator));
    EXPECT_EQ(r.host.waits, 1);

    // Waiting for Continue outside a run does not wait at all.
    r.m.setWaitInterval(2);
    r.bit.display().setWaitForContinue(true);
    r.bit.microOp(transfer(Unit::InstructionDecoder, Unit::StatusRegister, 1));
    EXPECT_EQ(r.host.waits, 1);
    EXPECT_TRUE(r.m.continueRequested());
}

TEST(MachineViewModel, WiresLightInTheHighlightColourAndTheDecoderWireInRed) {
    ViewRig r;
    r.m.preferences().highlightColour = kGreen;
    r.Program({{0, "0", "0"}});
    std::vector<std::pair<machineview::Wire, machineview::Wire>> seen;
    r.host.onWait = [&] { seen.push_back({r.bit.display().wire(6), r.bit.display().wire(16)}); };
    r.Run();
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[0].first.colour, kGreen);
    EXPECT_EQ(seen[0].first.width, 4);
    EXPECT_EQ(seen[1].first.colour, kBlack);
    EXPECT_EQ(seen[1].first.width, 1);
    EXPECT_EQ(seen[2].second.colour, kRed);
    EXPECT_EQ(seen[2].second.width, 1); // wide only when the highlight is red too
    EXPECT_EQ(r.bit.display().wire(16).colour, kBlack);
}

TEST(MachineViewModel, ArithmeticShowsTheResultAsASignMagnitudeWord) {
    ViewRig r;
    r.Program({{0, "1", "9"}, {1, "4", "8"}, {2, "0", "0"}, {8, "0", "7"}, {9, "0", "5"}});
    r.Run();
    const Snap& step = r.snaps[21];
    EXPECT_EQ(step.clock, "Cycle 5");
    EXPECT_EQ(step.acc, " 32770"); // minus 2
    EXPECT_TRUE(Contains(step.explain, "perform the subtraction, the result is placed"));
}

TEST(MachineViewModel, LoadIndirectStoppedInItsFirstWaitMakesNoSecondAccess) {
    ViewRig r;
    r.Program({{0, "17", "11"}, {1, "0", "0"}, {11, "0", "20"}, {20, "0", "4"}});
    r.host.onWait = [&] {
        r.snaps.push_back(Take(r.bit.display()));
        if (r.snaps.size() == 10) r.bit.stop();
    };
    r.Run();
    ASSERT_EQ(r.snaps.size(), 10u);
    const MachineViewDisplay& v = r.bit.display();
    // No cycle 6 once stopped; the increment is still shown, without waiting.
    EXPECT_EQ(v.text(ViewField::ClockCaption), "Cycle 7");
    EXPECT_EQ(v.text(ViewField::ProgramCounter), " 1");
    EXPECT_EQ(v.text(ViewField::GeneralPurpose), " 20");
    EXPECT_EQ(v.text(ViewField::Accumulator), "0");
    EXPECT_EQ(v.currentRow(), 11);
    EXPECT_EQ(OpenGates(v) + LitWires(v), "");
    EXPECT_EQ(trimBlanks(r.Acc()), "4"); // the machine still loaded it
}

} // namespace
} // namespace zeb::test
