#include "ViewRig.h"
#include "machineview/HandTransfers.h"
#include "machineview/HoverTexts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <set>

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
    r.m.view().setViewMode(ViewMode::Normal);
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
    r.m.view().setViewMode(ViewMode::Normal);
    r.bit.open();
    const MachineViewDisplay& v = r.bit.display();
    EXPECT_EQ(r.m.view().viewMode(), ViewMode::MachineView);
    // The student's General Purpose, Stack Pointer and Jump gateways stay open.
    EXPECT_EQ(OpenGates(v), "SP Gen JMP");
    EXPECT_EQ(
        (std::vector<std::string>{v.text(ViewField::Explanation), v.text(ViewField::AddressDecoder),
                                  v.text(ViewField::StackPointer), v.gridText(3, 0),
                                  v.gridText(3, 1), v.gridText(4, 2)}),
        (std::vector<std::string>{"Initialising", "", "64", " 3", "20", ""}));
    EXPECT_TRUE(v.stackPartsShown() && v.wire(39).visible && v.currentRow() == 0);

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
    r.m.view().setWaitInterval(2);
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
    EXPECT_EQ(r.m.view().viewMode(), ViewMode::Normal);
    EXPECT_FALSE(r.m.runState().running());
    // Only the step under way closed its path; no other step showed anything.
    EXPECT_LE(counter.changes, 12);
    EXPECT_EQ(OpenGates(r.bit.display()) + LitWires(r.bit.display()), "");
}

TEST(MachineViewModel, CancelledWhileRunPreparesNoRunStarts) {
    ViewRig r;
    r.Program({{0, "7", "0"}});
    r.zeb.pacing().setEnabled(true);
    // Cancelled (or the program ended) in the first pause of Run.
    r.host.onYield = [&] {
        r.bit.cancel();
        r.host.onYield = nullptr;
    };
    int executed = 0;
    r.zeb.run().setAfterInstruction([&](Opcode) {
        if (++executed == 5) r.m.runState().stopRun();
    });
    r.bit.run();
    EXPECT_EQ(executed, 0);
    EXPECT_FALSE(r.m.runState().running());
}

TEST(MachineViewModel, FixedPeriodsWaitForTheTimerEvenOutsideARun) {
    ViewRig r;
    r.bit.display().setWaitForContinue(false);
    r.m.view().setWaitInterval(2);
    r.host.onWait = [&] {
        const auto now = EventPump::Clock::now();
        ASSERT_TRUE(r.host.waitDeadline.has_value());
        EXPECT_GT(*r.host.waitDeadline, now + std::chrono::seconds(1));
        EXPECT_LE(*r.host.waitDeadline, now + std::chrono::seconds(2));
        EXPECT_TRUE(r.bit.stepWait().timerRunning());
        EXPECT_FALSE(r.host.waitDone());
    };
    r.m.runState().stopRun();
    r.bit.microOp(transfer(Unit::Accumulator, Unit::OutputDevice));
    EXPECT_EQ(r.host.waits, 1);
    EXPECT_FALSE(r.bit.stepWait().timerRunning());
    EXPECT_TRUE(r.m.view().continueRequested());
    EXPECT_TRUE(Contains(r.bit.display().text(ViewField::Explanation), "accumulator is printed"));

    r.m.view().setWaitInterval(0);
    r.bit.microOp(transfer(Unit::InterruptDevice, Unit::Accumulator));
    EXPECT_EQ(r.host.waits, 1);

    // Waiting for Continue outside a run does not wait at all.
    r.m.view().setWaitInterval(2);
    r.bit.display().setWaitForContinue(true);
    r.bit.microOp(transfer(Unit::InstructionDecoder, Unit::StatusRegister, 1));
    EXPECT_EQ(r.host.waits, 1);
    EXPECT_TRUE(r.m.view().continueRequested());
}

TEST(MachineViewModel, WiresLightInTheHighlightColourAndTheDecoderWireInRed) {
    ViewRig r;
    r.m.preferences().highlightColour = kGreen;
    r.Program({{0, "0", "0"}});
    std::vector<std::pair<machineview::Wire, machineview::Wire>> seen;
    r.host.onWait = [&] { seen.push_back({r.bit.display().wire(6), r.bit.display().wire(16)}); };
    r.Run();
    ASSERT_GE(seen.size(), 3u);
    // The decoder wire is wide only when the highlight is red too.
    EXPECT_EQ((std::vector<std::pair<Colour, int>>{{seen[0].first.colour, seen[0].first.width},
                                                   {seen[1].first.colour, seen[1].first.width},
                                                   {seen[2].second.colour, seen[2].second.width}}),
              (std::vector<std::pair<Colour, int>>{{kGreen, 4}, {kBlack, 1}, {kRed, 1}}));
    EXPECT_EQ(r.bit.display().wire(16).colour, kBlack);
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
    // No cycle 6 once stopped; the increment is still shown, without waiting.
    const Snap s = Take(r.bit.display());
    EXPECT_EQ((std::vector<std::string>{s.clock, s.pc, s.gen, s.acc, s.gates + s.lit}),
              (std::vector<std::string>{"Cycle 7", " 1", " 20", "0", ""}));
    EXPECT_EQ(s.row, 11);
    EXPECT_EQ(trimBlanks(r.Acc()), "4"); // the machine still loaded it
}

// Working by hand: each click moves a value only through the gateways the
// student opened, and names the closed one otherwise.
TEST(HandTransfers, ValuesMoveOnlyThroughOpenGateways) {
    using G = Gateway;
    using F = ViewField;
    const char* const closed = " is not connected to the BUS";
    // Clicking a field: the decoder, the Program Counter or a register.
    struct Case {
        std::vector<G> open;
        bool stackShown;
        F field;
        const char* shows;
        const char* unconnected; // the element the message names, if any
    } cases[] = {
        {{G::Accumulator}, false, F::Accumulator, "519", ""},
        {{G::GeneralPurpose}, false, F::GeneralPurpose, "519", ""},
        {{G::StackPointer}, true, F::StackPointer, "519", ""},
        {{G::InstructionOperand}, false, F::InstructionRegister, " 2", ""},
        {{G::InstructionOperand}, false, F::OperandRegister, " 7", ""},
        {{}, false, F::Accumulator, "9", "Accumulator"},
        {{}, false, F::GeneralPurpose, "0", "General Register"},
        {{}, true, F::StackPointer, "64", "Stack Pointer Register"},
        {{}, false, F::InstructionRegister, "0", "Operator"},
        {{}, false, F::OperandRegister, "0", "Operand"},
        {{G::ProgramCounter}, false, F::AddressDecoder, "", "Address Decoder"},
        {{G::AddressDecoder, G::ProgramCounter}, false, F::AddressDecoder, "5", ""},
        // A hidden stack pointer is off the bus; a shown one is on it.
        {{G::AddressDecoder, G::StackPointer, G::Accumulator}, false, F::AddressDecoder, "9", ""},
        {{G::AddressDecoder, G::StackPointer, G::Accumulator}, true, F::AddressDecoder, "64", ""},
        {{}, false, F::ProgramCounter, "6", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(objectName(c.field)) + " " + std::to_string(c.open.size()));
        ViewRig r;
        r.Program({{5, "2", "7"}});
        MachineViewDisplay& v = r.bit.display();
        for (int g = 0; g < machineview::kGatewayCount; ++g)
            v.setOpen(static_cast<G>(g), false);
        for (G g : c.open)
            v.setOpen(g, true);
        v.setStackPartsShown(c.stackShown);
        v.setText(F::ProgramCounter, "5");
        v.setText(F::Accumulator, "9");
        v.setText(F::StackPointer, "64");
        r.bit.highlightMemoryCell(5);
        machineview::HandTransfers hands(r.bit);
        if (c.field == F::AddressDecoder)
            hands.clickAddressDecoder();
        else if (c.field == F::ProgramCounter)
            hands.clickProgramCounter();
        else
            hands.clickRegister(c.field);
        EXPECT_EQ(v.text(c.field), c.shows);
        EXPECT_EQ(r.host.texts(), *c.unconnected ? std::vector<std::string>{std::string("The ") +
                                                                            c.unconnected + closed}
                                                 : std::vector<std::string>{});
    }
    // A cell whose text is no number is reported and read as 0.
    ViewRig r;
    r.Program({{5, "ZZ", "7"}});
    r.bit.display().setOpen(Gateway::Accumulator, true);
    r.bit.display().setText(ViewField::Accumulator, "9");
    r.bit.highlightMemoryCell(5);
    machineview::HandTransfers(r.bit).clickRegister(ViewField::Accumulator);
    EXPECT_EQ(r.bit.display().text(ViewField::Accumulator), "0");
    EXPECT_EQ(r.host.messages.size(), 1u);
}

// The Instruction Decoder carries out the instruction register's operator
// for the cell at the Program Counter, and nothing without a legal one.
TEST(HandTransfers, TheInstructionDecoderExecutesAtTheProgramCounter) {
    const struct {
        const char* pc;
        const char* operatorCode;
        const char* acc;
    } cases[] = {{"5", "1", "42"}, {"90", "1", "0"}, {"5", "", "0"}, {"5", "30", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pc) + " " + c.operatorCode);
        ViewRig r;
        r.Program({{5, "1", "7"}, {7, "0", "42"}});
        r.bit.display().setText(ViewField::ProgramCounter, c.pc);
        r.bit.display().setText(ViewField::InstructionRegister, c.operatorCode);
        machineview::HandTransfers(r.bit).clickInstructionDecoder();
        EXPECT_EQ(trimBlanks(r.Acc()), c.acc);
    }
}

// The status line names the instruction in the Instruction Register by its
// mnemonic, and nothing for an element it does not describe.
TEST(MachineViewModel, HoverTextsDescribeTheElements) {
    ViewRig r;
    const auto hover = [&](std::string_view element) {
        return machineview::hoverText(element, r.bit.display(), r.zeb.mnemonics());
    };
    EXPECT_EQ(hover(""), "");
    EXPECT_EQ(hover("NoSuchElement"), std::nullopt);
    const std::string_view ir = objectName(ViewField::InstructionRegister);
    const struct {
        const char* code;
        const char* text;
    } cases[] = {{"0", "HLT"}, {"20", "RTN"}, {"21", ""}, {"-1", ""}, {"x", ""}};
    for (const auto& c : cases) {
        r.bit.display().setText(ViewField::InstructionRegister, c.code);
        EXPECT_EQ(hover(ir), std::string("Current instruction is: ") + c.text) << c.code;
    }
}

// Names are the contract with the window and its tests: every field and
// control has its own.
TEST(MachineViewModel, EveryFieldAndControlHasItsOwnName) {
    std::set<std::string_view> names;
    for (int f = 0; f < machineview::kFieldCount; ++f)
        names.insert(objectName(static_cast<ViewField>(f)));
    for (int c = 0; c < machineview::kControlCount; ++c)
        names.insert(objectName(static_cast<ViewControl>(c)));
    names.erase("");
    EXPECT_EQ(names.size(),
              static_cast<std::size_t>(machineview::kFieldCount + machineview::kControlCount));
}

// The chart marks cycles only in the cycle columns, keeps its gateway names,
// and tells its window of every change of visibility; only a chart on screen
// follows the cycles.
TEST(MachineViewModel, TheClockChartKeepsItsNamesAndReportsChanges) {
    machineview::ClockChart chart;
    for (int row = 1; row < machineview::ClockChart::kRows; ++row) {
        EXPECT_GT(chart.text(row, 0).size(), 3u) << row;
        for (int column = 1; column < machineview::ClockChart::kColumns; ++column)
            EXPECT_TRUE(chart.text(row, column).empty() || chart.text(row, column) == "X");
    }
    int changes = 0;
    chart.setOnChange([&] { ++changes; });
    for (const auto& act : std::vector<std::function<void()>>{
             [&] { chart.toggle(); }, [&] { chart.showCycle(3); }, [&] { chart.hide(); },
             [&] { chart.showCycle(4); }, [&] { chart.hideWithView(); }})
        act();
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(chart.markedColumn(), 3);
}

// While the view runs a program, Stop and Back are offered; once it halts,
// Run again, with the whole row of the halting cell selected.
TEST(MachineViewModel, TheControlsFollowARunOfTheView) {
    ViewRig r;
    r.Program({{0, "0", "0"}});
    struct Controls : machineview::MachineViewObserver {
        std::set<ViewControl> changed;
        void controlChanged(ViewControl c) override { changed.insert(c); }
    } controls;
    r.bit.display().addObserver(&controls);
    std::vector<bool> during;
    r.host.onWait = [&] {
        const MachineViewDisplay& v = r.bit.display();
        during = {v.enabled(ViewControl::StopButton), v.enabled(ViewControl::BackButton),
                  v.enabled(ViewControl::RunButton), r.bit.runUnderWay()};
    };
    r.bit.run();
    EXPECT_EQ(during, (std::vector<bool>{true, true, false, true}));
    const MachineViewDisplay& v = r.bit.display();
    EXPECT_EQ((std::vector<bool>{v.enabled(ViewControl::StopButton),
                                 v.enabled(ViewControl::RunButton), r.bit.runUnderWay(),
                                 controls.changed.count(ViewControl::StopButton) == 1}),
              (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(v.text(ViewField::ClockCaption), "Cycle 7"); // the halt in place of cycle 7
    EXPECT_EQ(std::pair(v.selection().firstColumn, v.selection().lastColumn),
              std::pair(0, machineview::kGridColumns - 1));
}

} // namespace
} // namespace zeb::test
