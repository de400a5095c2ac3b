#pragma once

#include <functional>
#include <memory>

#include "wave/wave_file.h"

namespace troven {

// One sound kept ready on the sound server. Every call returns at once: the talk with the
// server runs on a thread of the client library's, and a sound that cannot be played is simply
// not heard.
class AudioOutput {
  public:
    virtual ~AudioOutput() = default;
    // Goes back to the beginning: the next play starts the sound over, even while it sounds.
    virtual void rewind() = 0;
    // Plays the sound from its beginning, unless an earlier play of it is still sounding.
    virtual void play() = 0;
    // Whether the sound server has taken the sound and will play it at once.
    virtual bool isReady() const = 0;
};

// Makes the output that plays `sound`; null when none can be made. The devices take theirs from
// one given to them, so that a test can hand them outputs that only note what they are told.
using OutputFactory = std::function<std::unique_ptr<AudioOutput>(const WaveSound& sound)>;

// The outputs live in a module of their own, troven-sound.so: the sound server's client library
// and the many codec libraries it links come with it, loaded when a sound is first opened rather
// than holding up the start of the program.
struct SoundModule {
    // A new output for `sound`, owned by the caller.
    AudioOutput* (*createOutput)(const WaveSound& sound);
};

// The name of the module's one exported function, which returns its SoundModule.
inline constexpr char kSoundModuleEntry[] = "troven_sound_module";
using SoundModuleEntry = const SoundModule* (*)();

}  // namespace troven
