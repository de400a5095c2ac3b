#pragma once

// Finding the plays of known sounds in a recording of what a sound server played: where each
// play began, and how much of the sound followed unchanged.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "wave/wave_file.h"

namespace troven::testing {

inline constexpr int kCaptureRate = 44100;

// Mono samples at kCaptureRate, full scale 1.
using Signal = std::vector<double>;

struct KnownSound {
    std::string name;
    Signal samples;  // as the sound server plays it: one channel, kCaptureRate, silent ends cut
};

// Whether a play was heard to its end (Whole), stopped because a new play of the same sound
// started over within 100 ms (Cut), or stopped for any other reason (Short).
enum class PlayKind { Whole, Cut, Short };

struct Play {
    const KnownSound* sound;
    std::size_t start;  // sample of the recording where the sound's first sample was heard
    std::size_t heard;  // how many of its samples were heard unchanged, in 10 ms pieces
    PlayKind kind;
};

// What the pipe sink writes: signed 16-bit little-endian mono at kCaptureRate.
Signal signalFromS16(const QByteArray& bytes);
std::optional<KnownSound> knownSound(const std::string& name, const WaveSound& wave);
// Nothing when the file is not a wave file or holds only silence.
std::optional<KnownSound> readKnownSound(const QString& path);

// Every play of the sounds, in the order heard.
std::vector<Play> findPlays(const Signal& capture, const std::vector<KnownSound>& sounds);
// A stretch of sound that no play explains (2 ms around each play are allowed for): from its
// first sample above silence to its last, without 10 ms of silence inside.
struct Stray {
    std::size_t start;
    std::size_t length;
    std::size_t loud;  // its samples above silence
};
std::vector<Stray> strays(const Signal& capture, const std::vector<Play>& plays);
// The samples above silence in all of them.
std::size_t strayLength(const Signal& capture, const std::vector<Play>& plays);
// "card.wav:whole card.wav:cut wa.wav:short ...".
std::string describe(const std::vector<Play>& plays);

}  // namespace troven::testing
