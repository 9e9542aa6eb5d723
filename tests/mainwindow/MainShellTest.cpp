#include "mainwindow/MainShell.h"
#include "../core/TestHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace zeb::test {
namespace {

// Records what start-up and exit ask of the windows.
class FakeWindows : public ShellWindows {
  public:
    void showAboutWithoutWaiting() override { log.push_back("about shown"); }
    void hideAbout() override { log.push_back("about hidden"); }
    void setTitle(const std::string& t) override { log.push_back("title " + t); }
    void setMemoryFont() override { log.push_back("memory font"); }
    void setPrinterFont() override { log.push_back("printer font"); }
    bool hasSoundCard() override {
        log.push_back("sound card");
        return false;
    }
    std::string programDirectory() override { return "/opt/zeb"; }
    void layOutMainWindow() override { log.push_back("heights"); }
    void centreMainWindow(int v, int h) override {
        log.push_back("centre " + std::to_string(v) + "," + std::to_string(h));
    }
    void setSpeedSlider(int value) override { log.push_back("slider " + std::to_string(value)); }
    void unload(WindowId form) override {
        unloaded.push_back(form);
        if (form == WindowId::LogicGates) throw std::runtime_error("not loaded");
    }
    void quit() override { log.push_back("quit"); }

    std::vector<std::string> log;
    std::vector<WindowId> unloaded;
};

struct ShellRig {
    TestHost host;
    Zeb zeb{host};
    Assembler assembler{zeb.machine()};
    MemoryEditor editor{zeb.machine(), assembler};
    FakeWindows windows;
    MainShell shell{zeb, editor, windows};
};

TEST(MainShell, StartUpRunsInOrderAndLeavesTheMachineAtRest) {
    ShellRig r;
    r.zeb.preferences().soundOn = false;
    r.zeb.preferences().highlightColour = kGreen;
    r.zeb.display().setStatusText("old");
    r.shell.startUp();
    const std::vector<std::string> order = {"about shown",  "title ZEB V2.7", "memory font",
                                            "printer font", "sound card",     "heights",
                                            "centre 5,5",   "slider 5",       "about hidden"};
    EXPECT_EQ(r.windows.log, order);
    const Machine& m = r.zeb.machine();
    EXPECT_EQ(m.registerText(Register::Acc), "     0");
    EXPECT_EQ(m.registerText(Register::PC), "     0");
    EXPECT_EQ(m.runState().speed(), 5);
    EXPECT_TRUE(r.zeb.preferences().soundOn);
    EXPECT_EQ(r.zeb.preferences().highlightColour, kRed);
    EXPECT_EQ(r.zeb.display().statusText(), "");
    // Only the operator of cell 0 is marked, as the current field.
    EXPECT_EQ(r.editor.currentCell(), CellHalf{});
    EXPECT_EQ(m.operatorColour(0), MemoryEditor::kWhite);
    for (int a = 1; a < kMemorySize; ++a)
        EXPECT_EQ(m.operatorColour(a), kGrey);
    for (Flag f : {Flag::StatusRegisterShown, Flag::StackPointerShown, Flag::InterruptShown,
                   Flag::HexadecimalChecked, Flag::MnemonicsChecked, Flag::StatusChecked,
                   Flag::StackPointerChecked, Flag::InterruptsChecked, Flag::OutputChecked,
                   Flag::SaveEnabled})
        EXPECT_FALSE(r.zeb.display().get(f)) << static_cast<int>(f);
    EXPECT_TRUE(r.zeb.display().get(Flag::MenusEnabled));
}

// The interrupt display brings the status register; hiding the status
// register afterwards leaves the interrupt display alone.
TEST(MainShell, DisplaySwitches) {
    ShellRig r;
    const std::pair<std::function<void()>, std::string> steps[] = {
        {[&r] { r.shell.toggleStatusRegister(); }, "110000"},
        {[&r] { r.shell.toggleStatusRegister(); }, "000000"},
        {[&r] { r.shell.toggleStackPointer(); }, "001100"},
        {[&r] { r.zeb.stack().toggleInterruptDisplay(); }, "111111"},
        {[&r] { r.shell.toggleStatusRegister(); }, "001111"},
    };
    for (const auto& [toggle, shown] : steps) {
        toggle();
        std::string now;
        for (Flag f : {Flag::StatusRegisterShown, Flag::StatusChecked, Flag::StackPointerShown,
                       Flag::StackPointerChecked, Flag::InterruptShown, Flag::KeyboardVisible})
            now += r.zeb.display().get(f) ? '1' : '0';
        EXPECT_EQ(now, shown);
    }
}

// What the status bar shows is the models' text; here, what changes it.
TEST(MainShell, StatusTexts) {
    ShellRig r;
    r.zeb.machine().startUp();
    EXPECT_EQ(r.shell.statusTextOf(ShellControl::Background), "");
    r.zeb.machine().view().setCurrentFileName("COUNT.ZEB");
    EXPECT_EQ(r.shell.statusTextOf(ShellControl::Background), "COUNT.ZEB");
    // The accumulator's binary follows its changes while shown.
    r.shell.showStatusOf(ShellControl::Accumulator);
    r.zeb.machine().changeAcc(2);
    EXPECT_EQ(r.zeb.display().statusText(), "Accumulator: 0000000000000010");
}

TEST(MainShell, ProgramExitUnloadsEveryWindowInOrderAndEndsTheRun) {
    ShellRig r;
    r.zeb.machine().runState().startRun();
    r.shell.exitProgram();
    std::vector<WindowId> order;
    for (int f = 0; f <= static_cast<int>(WindowId::Main); ++f)
        order.push_back(static_cast<WindowId>(f));
    EXPECT_EQ(r.windows.unloaded, order); // a failing window does not stop the others
    EXPECT_EQ(r.windows.log.back(), "quit");
    EXPECT_FALSE(r.zeb.machine().runState().running());
    EXPECT_TRUE(r.shell.exiting());
    r.shell.exitProgram();
    EXPECT_EQ(r.windows.unloaded.size(), order.size());
}

} // namespace
} // namespace zeb::test
