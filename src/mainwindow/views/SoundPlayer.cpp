#include "mainwindow/views/SoundPlayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace zeb::views {

SoundPlayer::SoundPlayer(QStringList directories, bool probe)
    : directories_(std::move(directories)) {
    if (!probe) hasOutput_ = false;
}

SoundPlayer::~SoundPlayer() = default;

QString SoundPlayer::locate(const QString& fileName) const {
    for (const QString& directory : directories_) {
        const QString path = QDir(directory).absoluteFilePath(fileName);
        if (QFileInfo::exists(path)) return QDir::cleanPath(path);
    }
    return {};
}

void SoundPlayer::play(std::string_view fileName) {
    if (!hasOutput_) hasOutput_ = hasSoundCard();
    if (!*hasOutput_) return;
    auto it = effects_.find(fileName);
    if (it == effects_.end()) {
        const QString path =
            locate(QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
        std::unique_ptr<QSoundEffect> effect;
        if (!path.isEmpty()) {
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
