#include "sound/module/pulse_output.h"

#include <algorithm>
#include <pulse/error.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>
#include <pulse/timeval.h>

#include "program_facts.h"
#include "wave/sound_log.h"

namespace troven {
namespace {

using namespace std::chrono_literals;

// What the stream asks of the server for itself: low enough for a click to be heard at once.
constexpr pa_usec_t kTargetLatencyUsec = 20'000;
// How long the stream runs on in silence after a sound before it is paused.
constexpr auto kIdleBeforeCork = 3s;
// Silence written after each sound. PipeWire's PulseAudio service plays a stream that holds
// less than one of its cycles only once more is written: what stays behind must be silence.
// Longer than the longest cycle servers run by default (2048 frames at 48 kHz).
constexpr auto kTrailingSilence = 50ms;
// A play asked for while the stream is still being set up is made once it is up, if by then it
// is not too late to belong to the click that asked for it.
constexpr auto kLatestDelayedPlay = 250ms;
// No server: try again at the next play, but not more often than this.
constexpr auto kReconnectInterval = 1s;

pa_sample_format_t sampleFormat(WaveFormat::SampleFormat format) {
    switch (format) {
        case WaveFormat::UInt8:
            return PA_SAMPLE_U8;
        case WaveFormat::Int16:
            return PA_SAMPLE_S16LE;
        case WaveFormat::Int32:
            return PA_SAMPLE_S32LE;
        case WaveFormat::Float:
            return PA_SAMPLE_FLOAT32LE;
    }
    return PA_SAMPLE_INVALID;
}

pa_sample_spec sampleSpec(const WaveFormat& format) {
    return {sampleFormat(format.sampleFormat()), static_cast<uint32_t>(format.sampleRate()),
            static_cast<uint8_t>(format.channelCount())};
}

// Whole frames only: the server refuses a write that ends inside one.
QByteArray wholeFrames(const WaveSound& sound) {
    const qsizetype frame = sound.format.bytesPerFrame();
    return sound.samples.left(sound.samples.size() / frame * frame);
}

QByteArray withTrailingSilence(const WaveSound& sound) {
    const WaveFormat& format = sound.format;
    const qsizetype frames = format.sampleRate() * kTrailingSilence.count() / 1000;
    // Unsigned 8-bit samples are silent at their middle value.
    const char silent = format.sampleFormat() == WaveFormat::UInt8 ? '\x80' : '\0';
    return wholeFrames(sound) + QByteArray(frames * format.bytesPerFrame(), silent);
}

void release(pa_operation* operation) {
    if (operation) pa_operation_unref(operation);
}

}  // namespace

PulseOutput::PulseOutput(const WaveSound& sound)
    : loop_(PulseLoop::shared()),
      samples_(withTrailingSilence(sound)),
      spec_(sampleSpec(sound.format)),
      duration_(std::chrono::microseconds(sound.format.durationForBytes(sound.samples.size()))) {
    const PulseLoop::Lock lock(*loop_);
    idleTimer_ = loop_->api()->time_new(loop_->api(), nullptr, &PulseOutput::onIdle, this);
    connect();
}

PulseOutput::~PulseOutput() {
    const PulseLoop::Lock lock(*loop_);
    loop_->api()->time_free(idleTimer_);
    disconnect();
}

void PulseOutput::rewind() {
    const PulseLoop::Lock lock(*loop_);
    soundingUntil_ = {};
    playAsked_ = {};
    written_ = static_cast<std::size_t>(samples_.size());
    // What the server still holds is left for the next play to overwrite. Flushing it here
    // made the server move its read position back while that play was on its way, and the
    // beginning of the sound was now and then lost.
}

void PulseOutput::play() {
    const PulseLoop::Lock lock(*loop_);
    const Clock::time_point now = Clock::now();
    if (now < soundingUntil_) return;
    if (streamReady()) return start();
    playAsked_ = now;
    if (!context_) {
        if (now - lastConnect_ >= kReconnectInterval) connect();
    } else if (!stream_ && pa_context_get_state(context_) == PA_CONTEXT_READY) {
        openStream();
    }
}

bool PulseOutput::isReady() const {
    const PulseLoop::Lock lock(*loop_);
    return streamReady();
}

bool PulseOutput::streamReady() const {
    return stream_ && pa_stream_get_state(stream_) == PA_STREAM_READY;
}

void PulseOutput::connect() {
    lastConnect_ = Clock::now();
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, facts::kProgramName);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, facts::kAppId);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, facts::kAppId);
    context_ = pa_context_new_with_proplist(loop_->api(), nullptr, properties);
    pa_proplist_free(properties);
    if (!context_) return;
    pa_context_set_state_callback(context_, &PulseOutput::onContextState, this);
    // Never start a server of our own: with none running, the game is silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        // A refusal at once has gone through onContextState already, which told why.
        if (context_)
            qCInfo(soundLog, "no sound server: %s", pa_strerror(pa_context_errno(context_)));
        disconnect();
    }
}

void PulseOutput::openStream() {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    stream_ = pa_stream_new_with_proplist(context_, "sound effect", &spec_, nullptr, properties);
    pa_proplist_free(properties);
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, &PulseOutput::onStreamState, this);
    pa_stream_set_write_callback(stream_, &PulseOutput::onWritable, this);
    // Prebuffering of one frame: a write starts playing at once, and a stream that ran dry
    // stands still where it stopped, so the next write lands where the server reads next. A
    // stream that ran on through silence (no prebuffering) moved its read position on a thread
    // of the server's own while a write was on its way, and now and then lost the sound's first
    // cycle on PipeWire's PulseAudio service.
    const auto target = static_cast<uint32_t>(pa_usec_to_bytes(kTargetLatencyUsec, &spec_));
    const auto frame = static_cast<uint32_t>(pa_frame_size(&spec_));
    const pa_buffer_attr buffer{static_cast<uint32_t>(-1), target, frame, static_cast<uint32_t>(-1),
                                static_cast<uint32_t>(-1)};
    corked_ = true;
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_unref(std::exchange(stream_, nullptr));
    }
}

void PulseOutput::disconnect() {
    if (stream_) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(std::exchange(stream_, nullptr));
    }
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(std::exchange(context_, nullptr));
    }
    soundingUntil_ = {};
}

void PulseOutput::start() {
    written_ = 0;
    // The first write goes where the server reads next, replacing whatever is still queued;
    // what the server cannot hold at once follows as it asks for more. A running stream is not
    // paused for the write: on PipeWire every pause and start takes the stream out of the sound
    // graph and back in, on a thread that a busy machine delays, and the sound came late or
    // lost a cycle in its middle.
    const pa_buffer_attr* buffer = pa_stream_get_buffer_attr(stream_);
    feed(buffer ? buffer->maxlength : static_cast<std::size_t>(samples_.size()),
         PA_SEEK_RELATIVE_ON_READ);
    if (corked_) release(pa_stream_cork(stream_, 0, nullptr, nullptr));
    corked_ = false;
    soundingUntil_ = Clock::now() + duration_;
    playAsked_ = {};
    corkWhenIdle();
}

void PulseOutput::feed(std::size_t limit, pa_seek_mode_t seek) {
    const std::size_t frame = pa_frame_size(&spec_);
    const std::size_t left = static_cast<std::size_t>(samples_.size()) - written_;
    const std::size_t bytes = std::min(left, limit / frame * frame);
    if (bytes == 0) return;
    // The library takes a copy: it may still hold the data after this output is gone.
    if (pa_stream_write(stream_, samples_.constData() + written_, bytes, nullptr, 0, seek) == 0) {
        written_ += bytes;
    }
}

void PulseOutput::corkWhenIdle() {
    timeval when{};
    pa_gettimeofday(&when);
    const auto idle =
        std::chrono::duration_cast<std::chrono::microseconds>(duration_ + kIdleBeforeCork);
    pa_timeval_add(&when, static_cast<pa_usec_t>(idle.count()));
    loop_->api()->time_restart(idleTimer_, &when);
}

void PulseOutput::onContextState(pa_context* context, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            output->openStream();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            qCInfo(soundLog, "no sound server, or it went away: %s",
                   pa_strerror(pa_context_errno(context)));
            output->disconnect();
            break;
        default:
            break;
    }
}

void PulseOutput::onStreamState(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            if (output->playAsked_ != Clock::time_point{} &&
                Clock::now() - output->playAsked_ <= kLatestDelayedPlay) {
                output->start();
            }
            output->playAsked_ = {};
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            qCInfo(soundLog, "sound stream ended: %s",
                   pa_strerror(pa_context_errno(pa_stream_get_context(stream))));
            // The next play opens a new stream, or connects again if the server went away.
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            pa_stream_unref(std::exchange(output->stream_, nullptr));
            output->soundingUntil_ = {};
            break;
        default:
            break;
    }
}

void PulseOutput::onWritable(pa_stream*, std::size_t bytes, void* self) {
    static_cast<PulseOutput*>(self)->feed(bytes, PA_SEEK_RELATIVE);
}

void PulseOutput::onIdle(pa_mainloop_api* api, pa_time_event* event, const timeval*, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    api->time_restart(event, nullptr);
    if (output->streamReady() && !output->corked_) {
        release(pa_stream_cork(output->stream_, 1, nullptr, nullptr));
        output->corked_ = true;
    }
}

}  // namespace troven
