#include "mainwindow/MainShell.h"
#include "../core/TestHost.h"
#include "mainwindow/CentreFormPosition.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zeb::test {
namespace {

// Records what start-up and exit ask of the windows.
class FakeWindows : public ShellWindows {
  public:
    void ShowAboutWithoutWaiting() override { log.push_back("about shown"); }
    void HideAbout() override { log.push_back("about hidden"); }
    void SetTitle(const std::string& t) override { log.push_back("title " + t); }
    void SetMemoryFont() override { log.push_back("memory font"); }
    void SetPrinterFont() override { log.push_back("printer font"); }
    bool HasSoundCard() override {
        log.push_back("sound card");
        return false;
    }
    std::string ProgramDirectory() override { return "/opt/zeb"; }
    void SetHeights() override { log.push_back("heights"); }
    void CentreMainForm(int v, int h) override {
        log.push_back("centre " + std::to_string(v) + "," + std::to_string(h));
    }
    void SetSpeedSlider(int value) override { log.push_back("slider " + std::to_string(value)); }
    void Unload(FormName form) override {
        unloaded.push_back(form);
        if (form == FormName::FrmGates) throw std::runtime_error("not loaded");
    }
    void Quit() override { log.push_back("quit"); }

    std::vector<std::string> log;
    std::vector<FormName> unloaded;
};

struct ShellRig {
    TestHost host;
    Zeb zeb{host};
    Assembler assembler{zeb.machine};
    MemoryEditor editor{zeb.machine, assembler};
    FakeWindows windows;
    MainShell shell{zeb, editor, windows};
};

TEST(MainShell, StartUpRunsInOrderAndLeavesTheMachineAtRest) {
    ShellRig r;
    r.zeb.preferences.SoundOn = false;
    r.zeb.preferences.ActionHighlightColour = kGreen;
    r.zeb.display.SetStatusText("old");
    r.shell.Form_Load();
    const std::vector<std::string> order = {"about shown",  "title ZEB V2.7", "memory font",
                                            "printer font", "sound card",     "heights",
                                            "centre 5,5",   "slider 5",       "about hidden"};
    EXPECT_EQ(r.windows.log, order);
    const Machine& m = r.zeb.machine;
    EXPECT_EQ(m.Text(Register::Acc), "     0");
    EXPECT_EQ(m.Text(Register::PC), "     0");
    EXPECT_EQ(m.Speed, 5);
    EXPECT_TRUE(r.zeb.preferences.SoundOn);
    EXPECT_EQ(r.zeb.preferences.ActionHighlightColour, kRed);
    EXPECT_EQ(r.zeb.display.StatusText(), "");
    EXPECT_EQ(r.shell.HelpFile(), "/opt/zeb/zeb.hlp");
    // Only the operator of cell 0 is marked, as the current field.
    EXPECT_EQ(r.editor.CurrentCell(), 0);
    EXPECT_EQ(m.OperatorColour(0), MemoryEditor::kWhite);
    for (int a = 1; a < kMemorySize; ++a)
        EXPECT_EQ(m.OperatorColour(a), kGrey);
    for (Flag f : {Flag::StatusRegisterShown, Flag::StackPointerShown, Flag::InterruptShown,
                   Flag::HexadecimalChecked, Flag::DissassembleChecked, Flag::StatusChecked,
                   Flag::StackPointerChecked, Flag::InterruptsChecked, Flag::OutputChecked,
                   Flag::SaveEnabled})
        EXPECT_FALSE(r.zeb.display.get(f)) << static_cast<int>(f);
    EXPECT_TRUE(r.zeb.display.get(Flag::MenusEnabled));
}

TEST(MainShell, DisplaySwitches) {
    ShellRig r;
    DisplayState& d = r.zeb.display;
    r.shell.mnStatus_Click();
    EXPECT_TRUE(d.get(Flag::StatusRegisterShown));
    EXPECT_TRUE(d.get(Flag::StatusChecked));
    r.shell.mnStatus_Click();
    EXPECT_FALSE(d.get(Flag::StatusRegisterShown));
    EXPECT_FALSE(d.get(Flag::StatusChecked));
    r.shell.MnStackPointer_Click();
    EXPECT_TRUE(d.get(Flag::StackPointerShown));
    EXPECT_TRUE(d.get(Flag::StackPointerChecked));

    // The interrupt display brings the status register; hiding the status
    // register afterwards leaves the interrupt display alone.
    r.zeb.stack.MnuInterrupts_Click();
    EXPECT_TRUE(d.get(Flag::StatusRegisterShown));
    EXPECT_TRUE(d.get(Flag::StatusChecked));
    r.shell.mnStatus_Click();
    EXPECT_FALSE(d.get(Flag::StatusRegisterShown));
    EXPECT_TRUE(d.get(Flag::InterruptShown));
    EXPECT_TRUE(d.get(Flag::KeyboardVisible));
}

TEST(MainShell, StatusTexts) {
    ShellRig r;
    r.zeb.machine.StartUp();
    r.zeb.machine.ChangeAcc(5);
    EXPECT_EQ(r.shell.StatusTextOf(ShellControl::accicon), "Accumulator: 0000000000000101");
    EXPECT_EQ(r.shell.StatusTextOf(ShellControl::PnlStatusReg), "Status: 0000000000000000");
    EXPECT_EQ(r.shell.StatusTextOf(ShellControl::runicon), "Runs the current ZEB program");
    EXPECT_EQ(r.shell.StatusTextOf(ShellControl::lineicons), "Printer paper");
    EXPECT_EQ(r.shell.StatusTextOf(ShellControl::Background), "");
    r.zeb.machine.CurrentFileName = "COUNT.ZEB";
    EXPECT_EQ(r.shell.StatusTextOf(ShellControl::Background), "COUNT.ZEB");
    // The accumulator's binary follows its changes while shown.
    r.shell.ShowStatusOf(ShellControl::accicon);
    r.zeb.machine.ChangeAcc(2);
    EXPECT_EQ(r.zeb.display.StatusText(), "Accumulator: 0000000000000010");
}

TEST(MainShell, ProgramExitUnloadsEveryWindowInOrderAndEndsTheRun) {
    ShellRig r;
    r.zeb.machine.Running = true;
    r.shell.ProgramExit();
    std::vector<FormName> order;
    for (int f = 0; f <= static_cast<int>(FormName::Form1); ++f)
        order.push_back(static_cast<FormName>(f));
    EXPECT_EQ(r.windows.unloaded, order); // a failing window does not stop the others
    EXPECT_EQ(r.windows.log.back(), "quit");
    EXPECT_FALSE(r.zeb.machine.Running);
    EXPECT_TRUE(r.shell.Exiting());
    r.shell.ProgramExit();
    EXPECT_EQ(r.windows.unloaded.size(), order.size());
}

TEST(CentreForm, PlacesAtTenthsOfTheFreeSpace) {
    struct Case {
        int vertical, horizontal;
        FormPosition expected;
    } cases[] = {
        {5, 5, {400, 200}},                       // centred: free space 800 x 400
        {0, 8, {640, 0}},                         // the top, eight tenths across
        {0, 0, {0, 0}},      {12, 5, {400, 400}}, // vertical clamped; horizontal as given
        {-3, 14, {1120, 0}}, {5, 14, {800, 200}}, {5, -2, {0, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vertical << "," << c.horizontal);
        EXPECT_EQ(CentreFormPosition(1600, 1000, 800, 600, c.vertical, c.horizontal), c.expected);
    }
    // Free space is rounded: (1000 - 975) / 10 = 2.5 rounds to 2.
    EXPECT_EQ(CentreFormPosition(1000, 1000, 975, 975, 1, 1), (FormPosition{2, 2}));
}

} // namespace
} // namespace zeb::test
