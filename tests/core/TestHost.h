#pragma once
#include "core/Zeb.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"

#include <deque>
#include <string>
#include <vector>

namespace zeb::test {

// A host that records what the machine shows and answers from a script.
class TestHost : public Messages,
                 public EventPump,
                 public RunPause,
                 public SoundOutput,
                 public NumberInput,
                 public FileChooser,
                 public Clipboard,
                 public WindowLevels {
  public:
    using Clock = EventPump::Clock;

    struct Message {
        Icon icon;
        Buttons buttons;
        std::string title;
        std::string text;
    };

    Answer messageBox(Icon icon, Buttons buttons, std::string_view title,
                      std::string_view text) override {
        messages.push_back({icon, buttons, std::string(title), std::string(text)});
        if (answers.empty()) return Answer::Ok;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void processEvents() override {
        if (onYield) onYield();
    }
    void pause(Clock::duration duration) override {
        pauses.push_back(duration);
        if (onYield) onYield();
    }
    // Returns at once, like a host without an event loop; records the wait.
    void waitFor(std::function<bool()> done, std::optional<Clock::time_point> deadline) override {
        ++waits;
        waitDone = std::move(done);
        waitDeadline = deadline;
        if (onWait) onWait();
    }
    void playSound(std::string_view name) override { sounds.emplace_back(name); }
    std::optional<std::string> askNumber() override {
        ++inputBoxes;
        if (inputs.empty()) return std::nullopt;
        std::string text = inputs.front();
        inputs.pop_front();
        return text;
    }
    void setOnTop(Window w, bool on) override { onTop.push_back({w, on}); }
    std::string chooseFile(FileDialog dialog, std::string_view) override {
        dialogActions.push_back(dialog);
        return dialogName;
    }

    std::string clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& text) override { clipboard = text; }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : messages)
            out.push_back(m.text);
        return out;
    }

    std::vector<Message> messages;
    std::deque<Answer> answers;
    std::deque<std::string> inputs;
    std::vector<std::string> sounds;
    std::vector<std::pair<Window, bool>> onTop;
    std::vector<FileDialog> dialogActions;
    std::string dialogName;
    std::string clipboard;
    std::function<void()> onYield;
    std::function<void()> onWait;
    std::function<bool()> waitDone;
    std::optional<Clock::time_point> waitDeadline;
    long waits = 0;
    std::vector<Clock::duration> pauses;
    int inputBoxes = 0;
};

// What the machine says aloud, in order.
struct Speech : Announcer {
    std::vector<std::string> said;
    void say(std::string_view text) override { said.emplace_back(text); }
};

// A started machine with its editing collaborators.
struct Rig {
    TestHost host;
    Zeb zeb{host};
    Machine& m = zeb.machine();
    Assembler assembler{m};
    BaseSwitch bases{m, assembler};

    Rig() {
        m.startUp();
        zeb.pacing().setEnabled(false);
        zeb.run().setAssembler([this] { return assembler.assembleAll(); });
    }

    // Cells as the editor would leave them: texts written directly.
    struct Cell {
        int address;
        std::string op;
        std::string opd;
    };
    void Program(std::initializer_list<Cell> cells) {
        for (const auto& c : cells) {
            m.setOperatorText(c.address, c.op);
            m.setOperandText(c.address, c.opd);
        }
    }
    // Cells from..to as "operator|operand", blank-separated: one comparison for many.
    std::string Cells(int from, int to) const {
        std::string out;
        for (int a = from; a <= to; ++a)
            out += (a > from ? " " : "") + m.operatorText(a) + "|" + m.operandText(a);
        return out;
    }
    // The flags as 1s and 0s, in the order asked.
    std::string Flags(std::initializer_list<Flag> flags) const {
        std::string out;
        for (Flag f : flags)
            out += zeb.display().get(f) ? '1' : '0';
        return out;
    }
    std::string Acc() const { return m.registerText(Register::Acc); }
    std::string PC() const { return m.registerText(Register::PC); }
    void ShowStatusRegister() { zeb.display().set(Flag::StatusRegisterShown, true); }
};

// Expected report text: the message with the error convention's " - ".
inline std::string Report(const std::string& message) {
    return message + " - ";
}

} // namespace zeb::test
