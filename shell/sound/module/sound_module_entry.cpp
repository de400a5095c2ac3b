// The one symbol troven-sound.so exports: its outputs and its view of the audio devices.
#include "audio_output.h"
#include "sound_output.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace {

QVariant defaultOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    return device.isNull() ? QVariant() : QVariant::fromValue(device);
}

troven::AudioOutput* createOutput() { return new troven::SoundOutput; }

constexpr troven::SoundModule kModule{&defaultOutput, &createOutput};

}  // namespace

extern "C" Q_DECL_EXPORT const troven::SoundModule* troven_sound_module() { return &kModule; }
