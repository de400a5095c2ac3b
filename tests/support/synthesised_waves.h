#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

#include "score_files.h"
#include "wave/wave_file.h"

namespace troven::testing {

// Header fields of a forged wave file, right or wrong as other programs may write them.
struct WaveHeader {
    std::uint16_t formatTag = 1;  // 1 PCM, 3 float; with extensible, the sub-format's tag
    int channels = 1;
    int rate = 44100;
    int bits = 16;
    int blockAlign = 0;  // 0: channels * bits / 8, as it must be
    bool extensible = false;
};

// A "fmt " chunk holding the header's fields as they are given.
QByteArray formatChunk(const WaveHeader& header = {});
// A RIFF/WAVE image holding the given chunks.
QByteArray riffImage(const QList<QByteArray>& chunks);
// A wave file image around samples already encoded as the header says.
QByteArray forgedWaveImage(const QByteArray& samples, const WaveHeader& header);

// How noiseSamples() encodes its samples.
inline constexpr WaveFormat kNoiseFormat{WaveFormat::Int16, 1, 44100};
// A wave file image of samples in format, as the program writes one.
QByteArray waveImage(const QByteArray& samples, const WaveFormat& format = kNoiseFormat);

// Mono 16-bit noise at 44100 Hz with little above 5 kHz, the same for the same seed. Noise
// correlates with itself only at zero lag, so each play can be found in a recording to the
// sample; kept low, it comes back unchanged from a server that resamples it to its own
// rate (48000 Hz, as PipeWire runs) and the recording back to 44100 Hz.
QByteArray noiseSamples(double seconds, std::uint32_t seed, double amplitude = 0.4);

}  // namespace troven::testing
