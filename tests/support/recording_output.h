#pragma once

#include <memory>
#include <utility>

#include "sound/audio_output.h"

namespace troven::testing {

// What an output was told, with the sound it was made for: "Open" when it is made, "Prev" and
// "Play", and "Close" when it goes.
using OutputNote = std::function<void(const WaveSound& sound, const char* what)>;

// Outputs that play nothing and note everything they are told.
inline OutputFactory recordingOutputs(OutputNote note) {
    class Recording : public AudioOutput {
      public:
        Recording(OutputNote note, const WaveSound& sound) : note_(std::move(note)), sound_(sound) {
            note_(sound_, "Open");
        }
        ~Recording() override { note_(sound_, "Close"); }
        void rewind() override { note_(sound_, "Prev"); }
        void play() override { note_(sound_, "Play"); }
        bool isReady() const override { return true; }

      private:
        OutputNote note_;
        WaveSound sound_;
    };
    return [note = std::move(note)](const WaveSound& sound) -> std::unique_ptr<AudioOutput> {
        return std::make_unique<Recording>(note, sound);
    };
}

}  // namespace troven::testing
