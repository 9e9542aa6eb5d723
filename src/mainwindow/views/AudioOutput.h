#pragma once
#include <QString>

namespace zeb::views {

// What playing the program's sounds asks of the platform's audio.
class AudioOutput {
  public:
    virtual ~AudioOutput() = default;
    // Whether the platform reports at least one audio output.
    virtual bool available() = 0;
    // Plays the wave file at `path` without waiting for it.
    virtual void play(const QString& path) = 0;
};

} // namespace zeb::views
