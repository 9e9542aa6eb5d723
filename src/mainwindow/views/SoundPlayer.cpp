#include "mainwindow/views/SoundPlayer.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace zeb::views {

namespace {
using CreateAudioOutput = AudioOutput* (*)();
} // namespace

SoundPlayer::SoundPlayer(QStringList directories, bool probe)
    : directories_(std::move(directories)), library_(QStringLiteral("zeb_sound_module")) {
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

bool SoundPlayer::openOutput() {
    const auto create =
        reinterpret_cast<CreateAudioOutput>(library_.resolve("zebCreateAudioOutput"));
    if (!create) {
        std::fprintf(stderr, "zeb: no sound: %s\n", qPrintable(library_.error()));
        return false;
    }
    output_.reset(create());
    return output_->available();
}

void SoundPlayer::play(std::string_view fileName) {
    if (!hasOutput_) hasOutput_ = openOutput();
    if (!*hasOutput_) return;
    auto it = paths_.find(fileName);
    if (it == paths_.end())
        it = paths_
                 .emplace(std::string(fileName),
                          locate(QString::fromUtf8(fileName.data(),
                                                   static_cast<qsizetype>(fileName.size()))))
                 .first;
    if (!it->second.isEmpty()) output_->play(it->second);
}

} // namespace zeb::views
