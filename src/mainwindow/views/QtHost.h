#pragma once
#include "core/Clipboard.h"
#include "core/EventPump.h"
#include "core/FileChooser.h"
#include "core/Messages.h"
#include "core/NumberInput.h"
#include "core/RunPause.h"
#include "core/SoundOutput.h"
#include "core/WindowLevels.h"

#include <functional>

namespace zeb::ui {
class EventYield;
} // namespace zeb::ui

namespace zeb::core::views {
class MessageBoxes;
} // namespace zeb::core::views

namespace zeb::views {

class SoundPlayer;

// The machine's host on the Qt event loop. Windows that come later than the
// host are reached through the functions.
class QtHost : public Messages,
               public EventPump,
               public RunPause,
               public SoundOutput,
               public NumberInput,
               public FileChooser,
               public Clipboard,
               public WindowLevels {
  public:
    QtHost(core::views::MessageBoxes& boxes, ui::EventYield& yield, SoundPlayer& sounds)
        : boxes_(boxes), yield_(yield), sounds_(sounds) {}

    std::function<std::optional<std::string>()> inputBox;
    std::function<void(Window, bool)> onTop;
    // The file dialog; tests answer it themselves.
    std::function<std::string(FileDialog dialog, std::string_view filter)> fileDialog;

    Answer messageBox(Icon icon, Buttons buttons, std::string_view title,
                      std::string_view text) override;
    void processEvents() override;
    void pause(RunPause::Clock::duration duration) override;
    void waitFor(std::function<bool()> done,
                 std::optional<EventPump::Clock::time_point> deadline) override;
    void playSound(std::string_view fileName) override;
    std::optional<std::string> askNumber() override;
    void setOnTop(Window window, bool onTop) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    std::string chooseFile(FileDialog dialog, std::string_view filter) override;

  private:
    core::views::MessageBoxes& boxes_;
    ui::EventYield& yield_;
    SoundPlayer& sounds_;
};

} // namespace zeb::views
