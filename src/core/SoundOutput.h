#pragma once
#include <string_view>

namespace zeb {

// Sounds.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Plays a sound file of the program's data folder without waiting for it.
    virtual void playSound(std::string_view fileName) = 0;
};

} // namespace zeb
