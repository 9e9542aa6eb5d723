#pragma once
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QSoundEffect;

namespace zeb::views {

// Plays the program's wave files without waiting for them. The platform's
// audio outputs are asked for at the first sound, not at start-up: the
// audio system costs time and memory a session without sound never needs.
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
    // Whether the platform reports at least one audio output.
    static bool hasSoundCard();

  private:
    QStringList directories_;
    // Unknown until the first sound.
    std::optional<bool> hasOutput_;
    std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> effects_;
};

} // namespace zeb::views
