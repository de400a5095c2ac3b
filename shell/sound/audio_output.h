#pragma once

#include "wave_file.h"

#include <QObject>
#include <QVariant>

namespace troven {

// One sound on one audio output, used from a thread of its own: starting a play may wait for
// the sound server, and none of that may hold up the user-interface thread.
class AudioOutput : public QObject {
  public:
    // Takes a new sound for `device` (a SoundModule::defaultOutput()), dropping the old one.
    virtual void load(const QVariant& device, const WaveSound& sound) = 0;
    // Stops the sound and goes back to its beginning.
    virtual void rewind() = 0;
    // Plays from the current place, from the beginning when all of the sound has been handed to
    // the server; does nothing while it is still being handed over.
    virtual void play() = 0;
    // Stops and drops the sound.
    virtual void release() = 0;
};

// The audio outputs live in a module of their own, troven-sound.so: Qt Multimedia and the sound
// server's libraries come with it, and are loaded when a sound is first opened rather than
// holding up the start of the program.
struct SoundModule {
    // The default audio output now, as load() takes it; a null QVariant when there is none.
    QVariant (*defaultOutput)();
    // A new output, owned by the caller.
    AudioOutput* (*createOutput)();
};

// The name of the module's one exported function, which returns its SoundModule.
inline constexpr char kSoundModuleEntry[] = "troven_sound_module";
using SoundModuleEntry = const SoundModule* (*)();

}  // namespace troven
