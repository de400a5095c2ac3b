#pragma once

#include "wave_file.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QObject>

class QAudioSink;

namespace troven {

// One sound on one audio output, used from a thread of its own: starting a play waits for the
// sound server, the server is fed from a timer of the owning thread, and deleting Qt's sink runs
// that thread's event loop. None of that may hold up the user-interface thread.
class SoundOutput : public QObject {
  public:
    SoundOutput() = default;
    ~SoundOutput() override;

    // Takes a new sound, dropping the old one; with a null device nothing is heard.
    void load(const QAudioDevice& device, const WaveSound& sound);
    // Stops the sound and goes back to its beginning.
    void rewind();
    // Plays from the current place, from the beginning when all of the sound has been handed to
    // the server; does nothing while it is still being handed over.
    void play();
    // Stops and drops the sound.
    void release();

  private:
    QBuffer samples_;
    QAudioDevice device_;
    QAudioSink* sink_ = nullptr;  // kept for the next sound of the same format
};

}  // namespace troven
