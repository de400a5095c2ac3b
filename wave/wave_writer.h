#pragma once

#include <QByteArray>
#include <QString>

#include "wave/wave_file.h"

namespace troven {

// One RIFF chunk: its tag, the length of its body, the body and, after a body of odd length,
// the pad byte that keeps the next chunk on an even offset.
QByteArray riffChunk(const char (&tag)[5], const QByteArray& body);

// A RIFF/WAVE image of sound: a 16-byte "fmt " chunk (PCM, or IEEE float for Float samples)
// followed by the samples, the 44-byte header every player reads.
QByteArray waveImage(const WaveSound& sound);

// Writes waveImage(sound) to path, replacing what was there; false when it cannot.
bool writeWaveFile(const QString& path, const WaveSound& sound);

}  // namespace troven
