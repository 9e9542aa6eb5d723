#include "TestHost.h"
#include "core/WaitIntervalSetting.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

// The counting loop of the guided demonstration.
void CountingLoop(Rig& r) {
    // clang-format off
    r.Program({{0, "1", "11"}, {1, "9", "10"}, {2, "12", ""}, {3, "4", "12"}, {4, "7", "1"},
               {10, "0", ""}, {11, "", "9"}, {12, "", "1"}});
    // clang-format on
}

TEST(Run, CountingLoopPrintsAndHalts) {
    Rig r;
    r.zeb.preferences().hasSoundCard = true;
    CountingLoop(r);
    r.zeb.run().run();
    // What it prints and where it halts are zeb-run's golden COUNT run; here,
    // what only the window shows: the halting cell, 39 steps and the honk.
    EXPECT_FALSE(r.m.runState().running() || !r.host.messages.empty());
    EXPECT_EQ(r.m.operatorColour(10), kYellow);
    EXPECT_EQ(std::pair(r.host.sounds.size(), r.host.sounds.back()),
              std::pair(std::size_t{40}, std::string("honk.wav")));
    EXPECT_TRUE(r.zeb.display().get(Flag::MenusEnabled));
}

TEST(Run, StartsWithTheStatusRegisterClearedAndAssembles) {
    Rig r;
    r.Program({{0, "ION", ""}, {1, "HLT", ""}});
    r.m.view().setMnemonicsShown(true);
    r.zeb.display().set(Flag::MnemonicsChecked, true);
    r.m.setRegisterText(Register::Status, "3");
    r.zeb.run().run();
    EXPECT_EQ(r.m.operatorText(0), "14");
    EXPECT_FALSE(r.m.view().mnemonicsShown() || r.zeb.display().get(Flag::MnemonicsChecked));
    // ION is ignored without the Keyboard window.
    EXPECT_EQ(r.m.registerText(Register::Status), "0");
    // Without mnemonics nothing is assembled: a code that is no number is the run's error.
    Rig off;
    off.Program({{0, "X", ""}});
    off.zeb.run().run();
    EXPECT_EQ(off.host.texts(), (std::vector<std::string>{
                                    "Illegal numeric conversion attempted on X - Type mismatch"}));
}

TEST(Run, SpeedPauseLengths) {
    using std::chrono::milliseconds;
    const std::pair<int, milliseconds> cases[] = {{1, milliseconds(225)},
                                                  {5, milliseconds(125)},
                                                  {9, milliseconds(25)},
                                                  {10, milliseconds(0)}};
    for (auto [speed, length] : cases) {
        SCOPED_TRACE(speed);
        Rig r;
        r.zeb.pacing().setEnabled(true);
        r.zeb.run().setSpeed(speed);
        r.zeb.pacing().speedPause();
        ASSERT_EQ(r.host.pauses.size(), 1u);
        EXPECT_EQ(r.host.pauses[0], length);
    }
}

TEST(Run, StopInsideAPauseEndsTheRunAfterTheInstruction) {
    Rig r;
    r.Program({{0, "7", "0"}});
    r.zeb.pacing().setEnabled(true);
    r.zeb.run().setSpeed(9);
    long yields = 0;
    r.host.onYield = [&] {
        if (++yields == 2500) r.zeb.run().stop();
    };
    r.zeb.run().run();
    EXPECT_FALSE(r.m.runState().running() || !r.host.messages.empty());
    EXPECT_TRUE(r.zeb.display().get(Flag::MenusEnabled));
    // One instruction costs four pauses of 1001 yields; the stop came in the third instruction.
    EXPECT_LT(yields, 4 * 1001 * 3 + 2);
}

TEST(Run, KeyboardAndOutputOnTopDuringARun) {
    Rig r;
    r.Program({{0, "0", ""}});
    r.zeb.stack().toggleInterruptDisplay();
    r.zeb.devices().toggleOutputDevice();
    r.zeb.run().run();
    const std::vector<std::pair<Window, bool>> expected = {{Window::Keyboard, true},
                                                           {Window::Output, true},
                                                           {Window::Keyboard, false},
                                                           {Window::Output, false}};
    EXPECT_EQ(r.host.onTop, expected);
}

TEST(Run, StepDoesNotClearTheStatusRegisterAndHonoursThePCBase) {
    Rig r;
    r.Program({{10, "0", ""}});
    r.m.setRegisterText(Register::Status, "1");
    r.m.changePC(10);
    r.bases.changeBase(NumberBase::Hexadecimal);
    EXPECT_EQ(r.PC(), "     A");
    r.zeb.run().step();
    EXPECT_EQ(r.m.registerText(Register::Status) + r.PC(), "1     A");
}

TEST(Run, StepsAndRunEndingsAreSaidAloud) {
    Speech speech;
    Rig r;
    r.m.setAnnouncer(&speech);
    r.Program({{0, "1", "5"}, {1, "0", ""}, {5, "", "9"}});
    r.zeb.run().step();
    r.zeb.run().run();
    r.Program({{1, "7", "80"}});
    r.zeb.run().run();
    EXPECT_EQ(speech.said,
              (std::vector<std::string>{"Stepped: LDA 5, accumulator 9, program counter 1",
                                        "Running", "Program halted at 1", "Running",
                                        "Program stopped: JUMP to illegal address at  80"}));
}

TEST(Run, TheCommandFilterCanRefuse) {
    struct Refusing : TestHost, CommandFilter {
        bool allows(UserCommand) override { return false; }
    } host;
    Zeb zeb(host);
    zeb.machine().startUp();
    zeb.machine().setOperatorText(0, "0");
    zeb.run().step();
    zeb.run().run();
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(zeb.machine().runState().currentAddress(), 0);
    EXPECT_TRUE(zeb.display().get(Flag::MenusEnabled));
}

TEST(Interval, StaysWithinZeroToSixty) {
    Rig r;
    r.m.view().setWaitInterval(2);
    WaitIntervalSetting w(r.m);
    w.refresh();
    std::vector<std::string> labels = {w.label()};
    for (int i = 0; i < 5; ++i)
        w.decrease();
    labels.push_back(std::to_string(r.m.view().waitInterval()) + " " + w.label());
    w.increase();
    labels.push_back(std::to_string(r.m.view().waitInterval()) + " " + w.label());
    for (int i = 0; i < 70; ++i)
        w.increase();
    labels.push_back(std::to_string(r.m.view().waitInterval()) + " " + w.label());
    EXPECT_EQ(labels, (std::vector<std::string>{"2 seconds", "0 0 seconds", "1 1 seconds",
                                                "60 60 seconds"}));
}

} // namespace
} // namespace zeb::test
