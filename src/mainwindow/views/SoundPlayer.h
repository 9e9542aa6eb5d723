#pragma once
#include "mainwindow/views/AudioOutput.h"
#include "ui/ModuleLibrary.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zeb::views {

// Plays the program's wave files without waiting for them. The platform's
// audio is loaded and asked for its outputs at the first sound, not at
// start-up: it costs time and memory a session without sound never needs.
class SoundPlayer {
  public:
    // The folders searched in turn for a sound file; without `probe` the
    // platform is never asked and nothing plays (tests).
    explicit SoundPlayer(QStringList directories, bool probe = true);
    ~SoundPlayer();

    // A file that is found nowhere plays nothing.
    void play(std::string_view fileName);
    // The first of the folders that holds the file; empty when none does.
    QString locate(const QString& fileName) const;

  private:
    // Whether there is an output to play on; without the audio library,
    // says why once and plays nothing.
    bool openOutput();

    QStringList directories_;
    // Unknown until the first sound.
    std::optional<bool> hasOutput_;
    ui::ModuleLibrary library_;
    std::unique_ptr<AudioOutput> output_;
    std::map<std::string, QString, std::less<>> paths_;
};

} // namespace zeb::views
