#pragma once
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <string_view>

class QSoundEffect;

namespace zeb::views {

// Plays the wave files of the program's folder without waiting for them.
class SoundPlayer {
  public:
    explicit SoundPlayer(QString directory);
    ~SoundPlayer();

    // A file that is missing plays nothing.
    void Play(std::string_view fileName);
    // Whether the platform reports at least one audio output.
    static bool hasSoundCard();

  private:
    QString directory_;
    std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> effects_;
};

} // namespace zeb::views
