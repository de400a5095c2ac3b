#pragma once

#include <chrono>
#include <memory>
#include <pulse/context.h>
#include <pulse/stream.h>

#include "sound/audio_output.h"
#include "sound/module/pulse_loop.h"

namespace troven {

// An AudioOutput that keeps one playback stream open on the PulseAudio server for as long as it
// lives. A play writes the whole sound over whatever the stream still holds, so a play that
// comes while the last one sounds starts over at once, and nothing of one play is left for the
// next: the thousandth play is set up exactly as the first. The stream is paused (corked) once
// it has been quiet for a few seconds, so that the sound card may sleep. When the server goes
// away, the next play connects again.
class PulseOutput final : public AudioOutput {
  public:
    explicit PulseOutput(const WaveSound& sound);
    ~PulseOutput() override;
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    void rewind() override;
    void play() override;
    bool isReady() const override;

  private:
    using Clock = std::chrono::steady_clock;

    // Everything below runs with the loop's lock held.
    bool streamReady() const;
    void connect();
    void openStream();
    void disconnect();
    void start();
    void feed(std::size_t limit, pa_seek_mode_t seek);
    void corkWhenIdle();

    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, std::size_t bytes, void* self);
    static void onIdle(pa_mainloop_api* api, pa_time_event* event, const struct timeval* time,
                       void* self);

    std::shared_ptr<PulseLoop> loop_;
    const QByteArray samples_;  // the sound, then a little silence
    const pa_sample_spec spec_;
    const Clock::duration duration_;  // the sound's own

    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_time_event* idleTimer_ = nullptr;
    bool corked_ = true;
    std::size_t written_ = 0;            // bytes of the current play handed to the server
    Clock::time_point soundingUntil_{};  // when the current play ends
    Clock::time_point playAsked_{};      // a play asked for while the stream was not ready
    Clock::time_point lastConnect_{};
};

}  // namespace troven
