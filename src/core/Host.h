#pragma once
#include "core/NoHost.h"

#include <type_traits>

namespace zeb {

// Where the machine reaches outside itself: one narrow interface per concern,
// each provided by whoever can (the Qt application, the batch runner, the
// tests, the guided demonstration) and otherwise answered by NoHost.
class Host {
  public:
    Host() = default;
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Takes on every one of the interfaces `services` implements.
    template <class Services> void provide(Services& services) {
        if constexpr (std::is_base_of_v<Messages, Services>) messages_ = &services;
        if constexpr (std::is_base_of_v<EventPump, Services>) events_ = &services;
        if constexpr (std::is_base_of_v<RunPause, Services>) pauses_ = &services;
        if constexpr (std::is_base_of_v<SoundOutput, Services>) sounds_ = &services;
        if constexpr (std::is_base_of_v<NumberInput, Services>) numbers_ = &services;
        if constexpr (std::is_base_of_v<CommandFilter, Services>) commands_ = &services;
        if constexpr (std::is_base_of_v<FileChooser, Services>) files_ = &services;
        if constexpr (std::is_base_of_v<Clipboard, Services>) clipboard_ = &services;
        if constexpr (std::is_base_of_v<WindowLevels, Services>) windows_ = &services;
    }

    Messages& messages() { return *messages_; }
    EventPump& events() { return *events_; }
    RunPause& pauses() { return *pauses_; }
    SoundOutput& sounds() { return *sounds_; }
    NumberInput& numbers() { return *numbers_; }
    CommandFilter& commands() { return *commands_; }
    FileChooser& files() { return *files_; }
    Clipboard& clipboard() { return *clipboard_; }
    WindowLevels& windows() { return *windows_; }

  private:
    NoHost none_;
    Messages* messages_ = &none_;
    EventPump* events_ = &none_;
    RunPause* pauses_ = &none_;
    SoundOutput* sounds_ = &none_;
    NumberInput* numbers_ = &none_;
    CommandFilter* commands_ = &none_;
    FileChooser* files_ = &none_;
    Clipboard* clipboard_ = &none_;
    WindowLevels* windows_ = &none_;
};

} // namespace zeb
