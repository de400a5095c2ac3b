#include "sound_output.h"

#include <QAudioFormat>
#include <QAudioSink>

#include <utility>

namespace troven {
namespace {

QAudioFormat audioFormat(const WaveFormat& wave) {
    QAudioFormat format;
    switch (wave.sampleFormat()) {
        case WaveFormat::UInt8:
            format.setSampleFormat(QAudioFormat::UInt8);
            break;
        case WaveFormat::Int16:
            format.setSampleFormat(QAudioFormat::Int16);
            break;
        case WaveFormat::Int32:
            format.setSampleFormat(QAudioFormat::Int32);
            break;
        case WaveFormat::Float:
            format.setSampleFormat(QAudioFormat::Float);
            break;
    }
    format.setChannelCount(wave.channelCount());
    format.setSampleRate(wave.sampleRate());
    return format;
}

}  // namespace

SoundOutput::~SoundOutput() {
    // Qt's PulseAudio sink closes its stream when deleted and then runs the event loop, where a
    // feed it queued while playing would use the closed stream and abort in libpulse. Stopped
    // first, the sink lets that feed pass. The loop must find no sink here either.
    if (sink_) sink_->stop();
    delete std::exchange(sink_, nullptr);
}

void SoundOutput::load(const QVariant& output, const WaveSound& sound) {
    const auto device = output.value<QAudioDevice>();
    const QAudioFormat format = audioFormat(sound.format);
    release();
    samples_.setData(sound.samples);
    samples_.open(QIODevice::ReadOnly);
    if (sink_ && (device != device_ || sink_->format() != format)) {
        std::exchange(sink_, nullptr)->deleteLater();
    }
    device_ = device;
    if (!sink_ && !device.isNull()) sink_ = new QAudioSink(device, format, this);
}

void SoundOutput::rewind() {
    if (!sink_) return;
    sink_->stop();
    samples_.seek(0);
}

void SoundOutput::play() {
    if (!sink_ || !samples_.isOpen() || sink_->state() == QAudio::ActiveState) return;
    if (samples_.atEnd()) samples_.seek(0);
    // The sink is left running once the samples run out, not stopped: stopping it drops what the
    // sound server still holds, which would cut off the end of the sound.
    sink_->start(&samples_);
}

void SoundOutput::release() {
    if (sink_) sink_->stop();
    samples_.close();
    samples_.setData(QByteArray());
}

}  // namespace troven
