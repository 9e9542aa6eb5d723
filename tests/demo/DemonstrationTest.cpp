#include "demo/Demonstration.h"
#include "../core/TestHost.h"
#include "demo/DemonstrationView.h"
#include "editing/CellClipboard.h"
#include "editing/MemoryEditor.h"
#include "help/HelpViewer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zeb;

namespace {

struct RecordingView : DemonstrationView {
    void showInstruction(const std::string& message, bool next) override {
        shown.push_back(message);
        nextEnabled = next;
    }
    void showWindow() override { visible = true; }
    void hideWindow() override { visible = false; }
    std::vector<std::string> shown;
    bool nextEnabled = false;
    bool visible = false;
};

struct RecordingHelp : HelpViewer {
    void contents() override { calls.push_back("contents"); }
    void showTopic(std::string_view k) override { calls.push_back("topic:" + std::string(k)); }
    void searchKeyword(std::string_view k) override { calls.push_back("search:" + std::string(k)); }
    void helpOnHelp() override { calls.push_back("help on help"); }
    void startGuide() override { calls.push_back("guide"); }
    std::vector<std::string> calls;
};

// Short names for the commands, to keep the tables short.
constexpr Command kClear = Command::ClearMemory, kOp = Command::SelectOperator,
                  kOpd = Command::SelectOperand, kKey = Command::PressKey, kRun = Command::Run,
                  kStep = Command::Step, kStop = Command::Stop, kBack = Command::Back,
                  kPC = Command::ResetProgramCounter;

struct DemoRig : test::Rig {
    MemoryEditor editor{m, assembler};
    CellClipboard clipboard{m, assembler, editor};
    RecordingView view;
    RecordingHelp help;
    Demonstration demo{m, zeb.run(), help};

    DemoRig() {
        // The demonstration filters the commands, as in the program.
        zeb.host().provide(demo);
        demo.setView(&view);
    }

    bool menusEnabled() const { return zeb.display().get(Flag::MenusEnabled); }

    // Every half-word of memory, to see that a click changed nothing.
    std::string memory() const { return Cells(0, kMemorySize - 1); }

    // The model operation each command's control is connected to.
    void click(UserCommand c) {
        switch (c.command) {
        case Command::ClearMemory:
            return clipboard.clearAll();
        case Command::SelectOperator:
            return editor.selectOperator(c.target);
        case Command::SelectOperand:
            return editor.selectOperand(c.target);
        case Command::PressKey:
            return editor.pressPad(c.target);
        case Command::Run:
            return zeb.run().run();
        case Command::Step:
            return zeb.run().step();
        case Command::Stop:
            return zeb.run().stop();
        case Command::Back:
            return zeb.run().back();
        case Command::ResetProgramCounter:
            return zeb.run().resetProgramCounter();
        }
    }

    // What moves the current entry on: Next, or the filter accepting its command.
    void advance() {
        const DemoEntry& e = demo.current();
        if (!e.awaited)
            demo.next();
        else
            demo.allows(*e.awaited);
    }
    // The same, with the click made on the machine.
    void clickThrough() {
        const DemoEntry& e = demo.current();
        if (!e.awaited)
            demo.next();
        else
            click(*e.awaited);
    }
};

} // namespace

TEST(Demonstration, LetsEveryCommandThroughWhileItIsNotRunning) {
    DemoRig r;
    for (Command c : {kRun, kStep, kStop, kBack, kPC, kClear, kOp, kOpd, kKey})
        EXPECT_TRUE(r.demo.allows({c, 42})) << static_cast<int>(c);
}

// The filter at entries waiting for a command: only the named command with
// the named target passes.
TEST(Demonstration, OnlyTheNamedCommandWithTheNamedTargetPasses) {
    struct Case {
        int entry;
        UserCommand command;
        bool passes;
    };
    // The walk tries the wrong commands at every entry; here, the targets.
    const Case cases[] = {{3, {kClear}, true},   {3, {kClear, 1}, false}, {30, {kPC}, true},
                          {30, {kPC, 1}, false}, {4, {kOp, 0}, true},     {4, {kOp, 1}, false}};
    for (const Case& c : cases) {
        DemoRig r;
        r.demo.start();
        for (int guard = 0; guard < 40 && r.demo.index() < c.entry; ++guard)
            r.advance();
        const std::size_t shown = r.view.shown.size();
        EXPECT_EQ(r.demo.allows(c.command), c.passes)
            << "entry " << c.entry << " command " << static_cast<int>(c.command.command) << " "
            << c.command.target;
        // A passing click moves on and shows the next message; a refused one does neither.
        EXPECT_EQ(r.demo.index(), c.entry + (c.passes ? 1 : 0));
        EXPECT_EQ(r.view.shown.size(), shown + (c.passes ? 1 : 0));
    }
}

// The first two entries name the contents; later ones a keyword of their own.
TEST(Demonstration, HelpOpensTheContentsOrTheEntrysKeyword) {
    DemoRig r;
    r.demo.help();
    r.demo.start();
    for (int i = 1; i <= 3; ++i) {
        r.demo.help();
        r.advance();
    }
    ASSERT_EQ(r.help.calls.size(), 4u);
    EXPECT_EQ(std::vector(r.help.calls.begin(), r.help.calls.begin() + 3),
              std::vector<std::string>(3, "contents"));
    EXPECT_EQ(r.help.calls[3].substr(0, 6), "topic:");
    EXPECT_GT(r.help.calls[3].size(), 6u);
}

TEST(Demonstration, CancelKeepsWhatWasEnteredAndStartingAgainBeginsAtTheFirstEntry) {
    DemoRig r;
    r.demo.start();
    for (int guard = 0; guard < 40 && r.demo.index() < 10; ++guard)
        r.clickThrough();
    const auto entered = r.memory();
    EXPECT_EQ(r.Cells(0, 0), "1|11");
    r.demo.cancel();
    EXPECT_FALSE(r.m.view().demoMode());
    EXPECT_TRUE(r.menusEnabled());
    EXPECT_FALSE(r.view.visible);
    EXPECT_EQ(r.memory(), entered);
    // Every click works again.
    r.editor.selectOperand(40);
    r.editor.pressPad(5);
    EXPECT_EQ(r.m.operandText(40), "5");

    r.demo.start();
    EXPECT_EQ(r.demo.index(), 1);
    EXPECT_EQ(r.view.shown.back().substr(0, 24), "Please note that you may");
    EXPECT_EQ((std::vector<bool>{r.demo.running(), r.m.view().demoMode(), r.menusEnabled(),
                                 r.view.visible, r.view.nextEnabled}),
              (std::vector<bool>{true, true, false, true, true}));
}

// The whole walk on the machine itself: the right clicks build the counting
// loop, the wrong ones (and Next where a click is awaited) change nothing, the
// run prints 9 down to 1, and Next never passes the last entry.
TEST(Demonstration, TheWalkEntersAndRunsTheCountingLoop) {
    DemoRig r;
    r.Program({{50, "3", "7"}});
    std::vector<std::string> printed;
    r.zeb.run().setAfterInstruction([&r, &printed](Opcode op) {
        if (op == Opcode::Output) printed.push_back(r.zeb.display().printerLine(1));
    });

    r.demo.start();
    std::vector<int> nextEntries;
    const std::vector<UserCommand> wrongClicks = {{kOp, 40}, {kOpd, 40}, {kKey, 5}, {kStep},
                                                  {kStop},   {kPC},      {kRun},    {kClear}};
    for (int guard = 0; guard < 100 && r.demo.index() < 32; ++guard) {
        const int entry = r.demo.index();
        SCOPED_TRACE(entry);
        EXPECT_EQ(r.view.nextEnabled, r.demo.current().nextEnabled);
        if (r.view.nextEnabled) nextEntries.push_back(entry);
        {
            const auto before = r.memory();
            const std::string pc = r.m.registerText(Register::PC);
            for (const UserCommand& wrong : wrongClicks) {
                if (r.demo.current().awaited == wrong) continue;
                r.click(wrong);
                EXPECT_EQ(r.demo.index(), entry)
                    << static_cast<int>(wrong.command) << " " << wrong.target;
            }
            if (r.demo.current().awaited) r.demo.next();
            EXPECT_EQ(r.demo.index(), entry);
            for (char typed : {'5', 'A', MemoryEditor::kBackspace})
                r.editor.typeCharacter(typed);
            EXPECT_EQ(r.memory(), before);
            EXPECT_EQ(r.m.registerText(Register::PC), pc);
        }
        if (entry == 3) {
            r.host.answers.push_back(Answer::Cancel); // taken as OK
            r.clickThrough();
            // Clearing makes operator 0 current through the same filter, so the
            // click entry 4 asks for is made at once: its message is shown and
            // the script is at entry 5.
            EXPECT_EQ(r.demo.index(), 5);
            EXPECT_EQ(r.view.shown.at(3).substr(0, 25), "This example will program");
            EXPECT_EQ(r.editor.currentCell(), CellHalf{});
            continue;
        }
        r.clickThrough();
        EXPECT_EQ(r.demo.index(), entry + 1);
        EXPECT_FALSE(r.menusEnabled()) << "menus back after entry " << entry;
    }

    EXPECT_EQ(nextEntries, (std::vector<int>{1, 2, 29, 31}));
    EXPECT_FALSE(r.view.nextEnabled);
    r.demo.next();
    EXPECT_EQ(std::pair(r.demo.index(), r.view.shown.size()), std::pair(32, std::size_t{32}));
    EXPECT_EQ(r.Cells(0, 4), "1|11 9|10 12| 4|12 7|1");
    EXPECT_EQ(r.Cells(10, 12), "0| |9 |1");
    EXPECT_EQ(r.m.operatorText(50), "") << "the clear took effect";
    EXPECT_EQ(printed, (std::vector<std::string>{"9", "8", "7", "6", "5", "4", "3", "2", "1"}));
    EXPECT_EQ(r.m.registerText(Register::PC), "     0") << "PC reset at entry 30";
    // The window left the top level for the run and came back after it.
    std::vector<std::pair<Window, bool>> demoOnTop;
    for (const auto& change : r.host.onTop)
        if (change.first == Window::Demo) demoOnTop.push_back(change);
    EXPECT_EQ(demoOnTop,
              (std::vector<std::pair<Window, bool>>{{Window::Demo, false}, {Window::Demo, true}}));
}
