#pragma once
#include "core/Clipboard.h"
#include "core/CommandFilter.h"
#include "core/EventPump.h"
#include "core/FileChooser.h"
#include "core/Messages.h"
#include "core/NumberInput.h"
#include "core/RunPause.h"
#include "core/SoundOutput.h"
#include "core/WindowLevels.h"

namespace zeb {

// What the machine meets where nobody provides a service: boxes answered OK
// unseen, no events, no waits, silence, no input (INP is abandoned), every
// command allowed, dialogs cancelled, an empty clipboard.
class NoHost final : public Messages,
                     public EventPump,
                     public RunPause,
                     public SoundOutput,
                     public NumberInput,
                     public CommandFilter,
                     public FileChooser,
                     public Clipboard,
                     public WindowLevels {
  public:
    Answer messageBox(Icon, Buttons, std::string_view, std::string_view) override {
        return Answer::Ok;
    }
    void processEvents() override {}
    void waitFor(std::function<bool()>, std::optional<EventPump::Clock::time_point>) override {}
    void pause(RunPause::Clock::duration) override {}
    void playSound(std::string_view) override {}
    std::optional<std::string> askNumber() override { return std::nullopt; }
    bool allows(UserCommand) override { return true; }
    std::string chooseFile(FileDialog, std::string_view) override { return {}; }
    std::string clipboardText() override { return {}; }
    void setClipboardText(const std::string&) override {}
    void setOnTop(Window, bool) override {}
};

} // namespace zeb
