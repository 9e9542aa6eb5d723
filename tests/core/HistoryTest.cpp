#include "TestHost.h"
#include "core/MachineSnapshot.h"

#include <gtest/gtest.h>

#include <random>

namespace zeb::test {
namespace {

// A machine running a random program with the Keyboard window open, an input
// for every INP and a key pressed after some instructions: the same for the
// same instruction count, so a replay after Back meets the same inputs.
struct Replay {
    explicit Replay(unsigned seed) : random(seed) {
        r.zeb.stack().toggleInterruptDisplay();
        r.zeb.display().set(Flag::OutputVisible, true);
        // Mostly legal instructions and addresses, so programs go on for a while.
        std::uniform_int_distribution<int> percent(0, 99), code(1, 19), address(0, 79),
            word(0, 400);
        for (int a = 0; a < kMemorySize; ++a) {
            const int p = percent(random);
            const std::string op = p < 2   ? ""
                                   : p < 3 ? "0"
                                   : p < 4 ? "21"
                                   : p < 6 ? "20"
                                           : std::to_string(code(random));
            r.m.setOperatorText(a, op);
            r.m.setOperandText(a, percent(random) < 1 ? "80" : std::to_string(address(random)));
        }
        r.m.setOperatorText(70, std::to_string(word(random) % 256));
        r.zeb.run().setAfterInstruction([this](Opcode) {
            const int n = steps + executed;
            if (n % 7 == 3) r.zeb.stack().pressKey(n % 37);
            if (++executed >= limit) r.m.runState().stopRun();
        });
        start = snapshot();
    }
    MachineSnapshot snapshot() const { return MachineSnapshot::of(r.m, r.zeb.stack()); }
    void step() {
        r.host.inputs = {std::to_string(steps * 37 % 70000)};
        executed = 0;
        r.zeb.run().step();
        ++steps;
    }
    void back() {
        r.zeb.run().back();
        --steps;
    }

    Rig r;
    std::mt19937 random;
    int steps = 0;
    int executed = 0;
    int limit = 1 << 30;
    MachineSnapshot start;
};

// The snapshot Back is checked with sees a change of every kind.
TEST(Back, SnapshotsTellEveryKindOfChange) {
    // clang-format off
    const std::pair<void (*)(Rig&), const char*> cases[] = {
        {[](Rig& r) { r.m.setOperatorText(0, "1"); }, "operator 0"},
        {[](Rig& r) { r.m.setOperandText(79, "1"); }, "operand 79"},
        {[](Rig& r) { r.m.setCellColour(5, kGreen); }, "colour 5"},
        {[](Rig& r) { r.m.setRegisterText(Register::SP, "65"); }, "registers"},
        {[](Rig& r) { r.zeb.display().setPrinterLine(4, "1"); }, "printer"},
        {[](Rig& r) { r.zeb.display().setOutputText("x"); }, "output device"},
        {[](Rig& r) { r.m.runState().runLog().append("OUTPUT:      1"); }, "run log"},
        {[](Rig& r) { r.zeb.stack().pressKey(1); }, "interrupt latches"},
        {[](Rig& r) { r.m.runState().setCurrentAddress(7); }, "current address"},
    };
    // clang-format on
    for (const auto& [change, difference] : cases) {
        Rig r;
        r.m.setRegisterText(Register::Interrupt, "1"); // as a key press leaves it
        const MachineSnapshot before = MachineSnapshot::of(r.m, r.zeb.stack());
        change(r);
        EXPECT_EQ(MachineSnapshot::of(r.m, r.zeb.stack()).difference(before), difference);
    }
}

TEST(Back, UndoesEveryInstructionBackToTheStart) {
    // Steps and runs alike; a run stops after its limit or on an error.
    struct Case {
        unsigned seed;
        int steps;
        bool run;
    } cases[] = {{1, 40, false},  {2, 200, false}, {3, 500, true}, {4, 60, true},
                 {5, 120, false}, {6, 300, true},  {7, 80, false}, {8, 1000, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        Replay p(c.seed);
        if (c.run) {
            p.limit = c.steps;
            p.r.host.inputs.assign(40, "7");
            p.r.zeb.run().run();
        } else {
            for (int i = 0; i < c.steps; ++i)
                p.step();
        }
        const int done = static_cast<int>(p.r.zeb.history().instructions());
        for (int i = 0; i < done; ++i)
            p.back();
        EXPECT_EQ(p.snapshot().difference(p.start), "");
        EXPECT_TRUE(p.r.zeb.history().empty());
        EXPECT_FALSE(p.r.zeb.display().get(Flag::BackEnabled));
    }
}

TEST(Back, TellsWhatItUndidAndEndsWithAnEdit) {
    Rig r;
    r.Program({{0, "1", "10"}, {1, "12", ""}, {10, "", "5"}});
    r.zeb.run().back(); // nothing to undo yet
    EXPECT_EQ(r.zeb.display().statusText(), "");
    r.zeb.run().step();
    EXPECT_TRUE(r.zeb.display().get(Flag::BackEnabled));
    r.zeb.run().back();
    EXPECT_EQ(r.zeb.display().statusText(), "Back: undid LDA 10 at 0");
    EXPECT_EQ(r.Acc(), "     0");
    // A turn whose operator could not be read executed nothing.
    r.m.setOperatorText(1, "");
    r.zeb.run().step();
    r.zeb.run().step();
    r.zeb.run().back();
    EXPECT_EQ(r.zeb.display().statusText(), "Back: undid a failed fetch at 1");
    r.zeb.run().back();
    r.m.setOperatorText(1, "12");
    EXPECT_FALSE(r.zeb.display().get(Flag::BackEnabled));
    // Hand changes of a cell or a register end the history.
    for (auto edit : {+[](Rig& x) { x.m.setOperandText(10, "6"); },
                      +[](Rig& x) { x.zeb.run().resetProgramCounter(); },
                      +[](Rig& x) { x.bases.toggleHexadecimal(); }}) {
        r.zeb.run().step();
        r.zeb.run().step();
        EXPECT_TRUE(r.zeb.display().get(Flag::BackEnabled));
        edit(r);
        EXPECT_FALSE(r.zeb.display().get(Flag::BackEnabled));
        EXPECT_EQ(r.zeb.display().statusText(), "Back: history cleared by the change");
    }
}

TEST(Back, KeepsTheNewestInstructionsWithinItsBudget) {
    Rig r;
    // The status bar follows the accumulator: a long text to keep every turn.
    r.Program({{0, "3", "20"}, {1, "4", "20"}, {2, "7", "0"}, {20, "", "1"}});
    r.zeb.display().setStatusText("Accumulator: x");
    r.zeb.history().setBudget(64 * 1024);
    int executed = 0;
    r.zeb.run().setAfterInstruction([&](Opcode) {
        if (++executed == 200000) r.m.runState().stopRun();
    });
    r.zeb.run().run();
    EXPECT_LE(r.zeb.history().bytes(), 64u * 1024);
    EXPECT_GT(r.zeb.history().instructions(), 300u);
    EXPECT_LT(r.zeb.history().instructions(), 400u); // each about 190 bytes
    r.zeb.history().setBudget(History::kBudget);
    executed = 0;
    r.zeb.run().run();
    EXPECT_GE(r.zeb.history().instructions(), 100000u);
    EXPECT_LE(r.zeb.history().bytes(), History::kBudget);
    r.zeb.history().setBudget(1); // the newest stays whatever it costs
    EXPECT_EQ(r.zeb.history().instructions(), 1u);
}

} // namespace
} // namespace zeb::test
