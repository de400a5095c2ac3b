// The one symbol troven-sound.so exports.
#include "sound/audio_output.h"
#include "sound/module/pulse_output.h"

namespace {

troven::AudioOutput* createOutput(const troven::WaveSound& sound) {
    return new troven::PulseOutput(sound);
}

constexpr troven::SoundModule kModule{&createOutput};

}  // namespace

extern "C" Q_DECL_EXPORT const troven::SoundModule* troven_sound_module() { return &kModule; }
