#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <optional>

namespace troven {

// The samples of a wave file, in the form an audio sink takes them.
struct WaveSound {
    QAudioFormat format;
    QByteArray samples;
};

// Reads a RIFF/WAVE image holding uncompressed PCM (8, 16 or 32 bits) or 32-bit float samples in
// one or two channels. Any other encoding, and an image whose chunks are cut short, gives nothing:
// the caller then falls back to a sound it knows to be good.
std::optional<WaveSound> parseWave(const QByteArray& image);

// Reads and parses a wave file; a missing, unreadable or oversized file gives nothing.
std::optional<WaveSound> readWaveFile(const QString& path);

}  // namespace troven
