#pragma once

#include "audio_output.h"

#include <QAudioDevice>
#include <QBuffer>

class QAudioSink;

namespace troven {

// An AudioOutput on a Qt Multimedia sink. The sink feeds the server from a timer of the
// owning thread, and deleting it runs that thread's event loop.
class SoundOutput : public AudioOutput {
  public:
    SoundOutput() = default;
    ~SoundOutput() override;

    void load(const QVariant& device, const WaveSound& sound) override;
    void rewind() override;
    void play() override;
    void release() override;

  private:
    QBuffer samples_;
    QAudioDevice device_;
    QAudioSink* sink_ = nullptr;  // kept for the next sound of the same format
};

}  // namespace troven
