#include "mainwindow/views/SoundPlayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace zeb::views {

SoundPlayer::SoundPlayer(QString directory) : directory_(std::move(directory)) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(std::string_view fileName) {
    auto it = effects_.find(fileName);
    if (it == effects_.end()) {
        const QString path = QDir(directory_)
                                 .filePath(QString::fromUtf8(
                                     fileName.data(), static_cast<qsizetype>(fileName.size())));
        std::unique_ptr<QSoundEffect> effect;
        if (QFileInfo::exists(path)) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(path));
        }
        it = effects_.emplace(std::string(fileName), std::move(effect)).first;
    }
    if (it->second) it->second->play();
}

bool SoundPlayer::hasSoundCard() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

} // namespace zeb::views
