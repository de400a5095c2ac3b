#include "synthesised_waves.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "wave/wave_writer.h"

namespace troven::testing {
namespace {

void append16(QByteArray& out, int value) {
    const auto v = qToLittleEndian(static_cast<std::uint16_t>(value));
    out.append(reinterpret_cast<const char*>(&v), 2);
}

void append32(QByteArray& out, qint64 value) {
    const auto v = qToLittleEndian(static_cast<std::uint32_t>(value));
    out.append(reinterpret_cast<const char*>(&v), 4);
}

}  // namespace

QByteArray formatChunk(const WaveHeader& header) {
    const int blockAlign =
        header.blockAlign != 0 ? header.blockAlign : header.channels * header.bits / 8;
    QByteArray body;
    append16(body, header.extensible ? 0xFFFE : header.formatTag);
    append16(body, header.channels);
    append32(body, header.rate);
    append32(body, static_cast<qint64>(header.rate) * blockAlign);
    append16(body, blockAlign);
    append16(body, header.bits);
    if (header.extensible) {
        append16(body, 22);  // the extension's size
        append16(body, header.bits);
        append32(body, header.channels == 1 ? 0x4 : 0x3);  // front centre; front left and right
        append16(body, header.formatTag);
        body.append("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    return riffChunk("fmt ", body);
}

QByteArray riffImage(const QList<QByteArray>& chunks) {
    QByteArray body("WAVE");
    for (const QByteArray& c : chunks) body.append(c);
    return riffChunk("RIFF", body);
}

QByteArray forgedWaveImage(const QByteArray& samples, const WaveHeader& header) {
    return riffImage({formatChunk(header), riffChunk("data", samples)});
}

QByteArray waveImage(const QByteArray& samples, const WaveFormat& format) {
    return troven::waveImage({format, samples});
}

QByteArray noiseSamples(double seconds, std::uint32_t seed, double amplitude) {
    const int count = static_cast<int>(std::lround(seconds * 44100));
    // A windowed-sinc low-pass filter at 5 kHz: what a resampler passes unchanged, and narrow
    // enough that a recording half a sample off still matches the sound closely.
    constexpr int kTaps = 33;
    constexpr double kCutoff = 5000.0 / 44100;
    std::array<double, kTaps> taps{};
    for (int k = 0; k < kTaps; ++k) {
        const double x = k - (kTaps - 1) / 2.0;
        const double sinc =
            x == 0 ? 1 : std::sin(2 * M_PI * kCutoff * x) / (2 * M_PI * kCutoff * x);
        const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * k / (kTaps - 1));
        taps[static_cast<std::size_t>(k)] = 2 * kCutoff * sinc * hann;
    }
    std::vector<double> white(static_cast<std::size_t>(count + kTaps));
    std::uint32_t state = seed;
    for (double& w : white) {
        state = state * 1664525U + 1013904223U;
        w = static_cast<double>(state >> 8) / (1 << 24) * 2.0 - 1.0;
    }
    const int fade = 132;  // 3 ms at each end keep the edges from clicking
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        double filtered = 0;
        for (int k = 0; k < kTaps; ++k) {
            filtered += taps[static_cast<std::size_t>(k)] * white[static_cast<std::size_t>(i + k)];
        }
        const double edge = std::min({1.0, (i + 1.0) / fade, (count - i) / double(fade)});
        append16(out, static_cast<int>(std::lround(filtered * amplitude * edge * 32767)));
    }
    return out;
}

}  // namespace troven::testing
