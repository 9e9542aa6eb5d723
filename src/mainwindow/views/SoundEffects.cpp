#include "mainwindow/views/SoundEffects.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace zeb::views {

SoundEffects::SoundEffects() = default;
SoundEffects::~SoundEffects() = default;

bool SoundEffects::available() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void SoundEffects::play(const QString& path) {
    std::shared_ptr<QSoundEffect>& effect = effects_[path];
    if (!effect) {
        effect = std::make_shared<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
}

} // namespace zeb::views
