#pragma once
#include "mainwindow/views/AudioOutput.h"

#include <QHash>

#include <memory>

class QSoundEffect;

namespace zeb::views {

// The sounds played through Qt Multimedia, each file loaded once.
class SoundEffects : public AudioOutput {
  public:
    SoundEffects();
    ~SoundEffects() override;

    bool available() override;
    void play(const QString& path) override;

  private:
    QHash<QString, std::shared_ptr<QSoundEffect>> effects_;
};

} // namespace zeb::views
