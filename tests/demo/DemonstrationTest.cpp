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

// The machine's host asks the demonstration, as the program's own host does.
struct DemoHost : test::TestHost {
    Demonstration* demo = nullptr;
    bool validClick(std::string_view control, int index) override {
        return demo ? demo->validClick(control, index) : true;
    }
};

struct DemoRig {
    DemoHost host;
    Zeb zeb{host};
    Machine& m = zeb.machine;
    Assembler assembler{m};
    MemoryEditor editor{m, assembler};
    CellClipboard clipboard{m, assembler, editor};
    RecordingView view;
    RecordingHelp help;
    Demonstration demo{m, zeb.run, help};

    DemoRig() {
        m.startUp();
        zeb.pacing.setEnabled(false);
        zeb.run.setAssembler([this] { return assembler.assembleAll(); });
        host.demo = &demo;
        demo.setView(&view);
    }

    bool menusEnabled() const { return zeb.display.get(Flag::MenusEnabled); }

    // Every half-word of memory, to see that a click changed nothing.
    std::vector<std::string> memory() const {
        std::vector<std::string> all;
        for (int a = 0; a < kMemorySize; ++a) {
            all.push_back(m.operatorText(a));
            all.push_back(m.operandText(a));
        }
        return all;
    }

    // The click of the main window named by a control and an index.
    void click(const std::string& control, int index) {
        if (control == "clearicon")
            clipboard.clearAll();
        else if (control == "operator")
            editor.selectOperator(index);
        else if (control == "operand")
            editor.selectOperand(index);
        else if (control == "pads")
            editor.pressPad(index);
        else if (control == "runicon")
            zeb.run.run();
        else if (control == "stepicon")
            zeb.run.step();
        else if (control == "halticon")
            zeb.run.stop();
        else if (control == "pciconl") {
            // The main window's PC button asks the filter itself.
            if (host.validClick("pciconl", 0)) m.resetPC();
        } else
            FAIL() << "no such control " << control;
    }

    static std::string lower(std::string name) {
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return name;
    }
    bool isNamedClick(const std::string& control, int index) const {
        const DemoEntry& e = demo.current();
        return lower(e.controlName) == control && e.value == index;
    }

    // What moves the current entry on: Next, or the filter accepting its click.
    void advance() {
        const DemoEntry& e = demo.current();
        if (e.controlName.empty())
            demo.next();
        else
            demo.validClick(e.controlName, e.value);
    }
    // The same, with the click made on the machine.
    void clickThrough() {
        const DemoEntry& e = demo.current();
        if (e.controlName.empty())
            demo.next();
        else
            click(lower(e.controlName), e.value);
    }
};

} // namespace

TEST(Demonstration, LetsEveryClickThroughWhileItIsNotRunning) {
    DemoRig r;
    for (const char* control : {"operator", "operand", "pads", "runicon", "stepicon", "halticon",
                                "clearicon", "pciconl", "anything"})
        EXPECT_TRUE(r.demo.validClick(control, 42)) << control;
}

TEST(Demonstration, StartingDisablesTheMenusAndShowsTheFirstEntry) {
    DemoRig r;
    r.demo.start();
    EXPECT_TRUE(r.demo.running());
    EXPECT_TRUE(r.m.demoMode());
    EXPECT_FALSE(r.menusEnabled());
    EXPECT_EQ(r.demo.index(), 1);
    ASSERT_EQ(r.view.shown.size(), 1u);
    EXPECT_EQ(r.view.shown[0].substr(0, 24), "Please note that you may");
    EXPECT_TRUE(r.view.nextEnabled);
    EXPECT_TRUE(r.view.visible);
}

// The filter at entries waiting for a click: only the named control with the
// named index passes, whatever the case of its name.
TEST(Demonstration, OnlyTheNamedControlWithTheNamedIndexPasses) {
    struct Case {
        int entry;
        const char* control;
        int index;
        bool passes;
    };
    const Case cases[] = {
        {3, "clearicon", 0, true},  {3, "CLEARICON", 0, true},  {3, "runicon", 0, false},
        {3, "clearicon", 1, false}, {4, "operator", 0, true},   {4, "Operator", 0, true},
        {4, "OPERATOR", 0, true},   {4, "operand", 0, false},   {4, "operator", 1, false},
        {7, "pads", 11, true},      {7, "Pads", 11, true},      {7, "pads", 10, false},
        {7, "pads", 12, false},     {7, "operand", 11, false},  {10, "operator", 1, true},
        {10, "Operator", 1, true},  {10, "operator", 0, false}, {28, "runicon", 0, true},
        {28, "stepicon", 0, false}, {28, "halticon", 0, false}, {28, "backicon", 0, false},
        {30, "pciconl", 0, true},   {30, "PCICONL", 0, true},   {30, "pcicon", 0, false},
        {30, "pciconl1", 0, false}, {1, "pads", 0, false},      {1, "", 0, false},
        {29, "runicon", 0, false},  {32, "", 0, false},         {32, "pciconl", 0, false},
        {32, "operator", 0, false},
    };
    for (const Case& c : cases) {
        DemoRig r;
        r.demo.start();
        while (r.demo.index() < c.entry)
            r.advance();
        const std::size_t shown = r.view.shown.size();
        EXPECT_EQ(r.demo.validClick(c.control, c.index), c.passes)
            << "entry " << c.entry << " " << c.control << " " << c.index;
        // A passing click moves on and shows the next message; a refused one does neither.
        EXPECT_EQ(r.demo.index(), c.entry + (c.passes ? 1 : 0));
        EXPECT_EQ(r.view.shown.size(), shown + (c.passes ? 1 : 0));
    }
}

TEST(Demonstration, NextMovesOnOnlyWhereItIsEnabledAndNeverPastTheLastEntry) {
    DemoRig r;
    r.demo.start();
    std::vector<int> nextEntries;
    for (int guard = 0; guard < 100 && r.demo.index() < 32; ++guard) {
        const int before = r.demo.index();
        EXPECT_EQ(r.view.nextEnabled, r.demo.current().nextEnabled);
        if (r.view.nextEnabled) {
            nextEntries.push_back(before);
        } else {
            r.demo.next();
            EXPECT_EQ(r.demo.index(), before) << "Next moved on entry " << before;
        }
        r.advance();
        ASSERT_EQ(r.demo.index(), before + 1);
    }
    EXPECT_EQ(nextEntries, (std::vector<int>{1, 2, 29, 31}));
    EXPECT_FALSE(r.view.nextEnabled);
    r.demo.next();
    EXPECT_EQ(r.demo.index(), 32);
    EXPECT_EQ(r.view.shown.size(), 32u);
}

TEST(Demonstration, HelpOpensTheContentsOrTheEntrysKeyword) {
    DemoRig r;
    r.demo.help();
    r.demo.start();
    std::vector<std::string> expected = {"contents"};
    for (int i = 1; i <= 32; ++i) {
        r.demo.help();
        const std::string& topic = r.demo.current().helpTopic;
        expected.push_back(i <= 2 ? "contents" : "topic:" + topic);
        if (i < 32) r.advance();
    }
    EXPECT_EQ(r.help.calls, expected);
}

TEST(Demonstration, CancelKeepsWhatWasEnteredAndStartingAgainBeginsAtTheFirstEntry) {
    DemoRig r;
    r.demo.start();
    while (r.demo.index() < 10)
        r.clickThrough();
    const auto entered = r.memory();
    EXPECT_EQ(r.m.operatorText(0), "1");
    EXPECT_EQ(r.m.operandText(0), "11");
    r.demo.cancel();
    EXPECT_FALSE(r.m.demoMode());
    EXPECT_TRUE(r.menusEnabled());
    EXPECT_FALSE(r.view.visible);
    EXPECT_EQ(r.memory(), entered);
    // Every click works again.
    r.editor.selectOperand(40);
    r.editor.pressPad(5);
    EXPECT_EQ(r.m.operandText(40), "5");

    r.demo.start();
    EXPECT_EQ(r.demo.index(), 1);
    EXPECT_FALSE(r.menusEnabled());
    EXPECT_TRUE(r.view.visible);
}

// The whole walk on the machine itself: the right clicks build the counting
// loop, the wrong ones change nothing, and the run prints 9 down to 1.
TEST(Demonstration, TheWalkEntersAndRunsTheCountingLoop) {
    DemoRig r;
    r.m.setOperatorText(50, "3");
    r.m.setOperandText(50, "7");
    std::vector<std::string> printed;
    r.zeb.run.setAfterInstruction([&r, &printed](Opcode op) {
        if (op == Opcode::Output) printed.push_back(r.zeb.display.printerLine(1));
    });

    r.demo.start();
    const std::vector<std::pair<std::string, int>> wrongClicks = {
        {"operator", 40}, {"operand", 40}, {"pads", 5},    {"stepicon", 0},
        {"halticon", 0},  {"pciconl", 0},  {"runicon", 0}, {"clearicon", 0}};
    while (r.demo.index() < 32) {
        const int entry = r.demo.index();
        SCOPED_TRACE(entry);
        {
            const auto before = r.memory();
            const std::string pc = r.m.registerText(Register::PC);
            for (const auto& [control, index] : wrongClicks) {
                if (r.isNamedClick(control, index)) continue;
                r.click(control, index);
                EXPECT_EQ(r.demo.index(), entry) << control << " " << index;
            }
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
            EXPECT_EQ(r.editor.currentCell(), 0);
            continue;
        }
        r.clickThrough();
        EXPECT_EQ(r.demo.index(), entry + 1);
        EXPECT_FALSE(r.menusEnabled()) << "menus back after entry " << entry;
    }

    struct Cell {
        int address;
        const char* op;
        const char* opd;
    };
    const Cell program[] = {{0, "1", "11"}, {1, "9", "10"}, {2, "12", ""}, {3, "4", "12"},
                            {4, "7", "1"},  {10, "0", ""},  {11, "", "9"}, {12, "", "1"}};
    for (const Cell& c : program) {
        EXPECT_EQ(r.m.operatorText(c.address), c.op) << c.address;
        EXPECT_EQ(r.m.operandText(c.address), c.opd) << c.address;
    }
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
