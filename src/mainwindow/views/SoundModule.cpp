// Sound in a library of its own: Qt Multimedia, with PulseAudio and the
// codecs, is loaded at the first sound.
#include "mainwindow/views/SoundEffects.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT zeb::views::AudioOutput* zebCreateAudioOutput() {
    return new zeb::views::SoundEffects;
}
