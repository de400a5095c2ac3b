#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

// The parts of a RIFF WAVE file that the game's sounds rely on.
struct PcmWave {
    int format = 0;  // 1 for plain PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;  // only filled for 16-bit PCM
};

// Reads the "fmt " and "data" chunks of a WAVE file; nullopt if the file is not one.
std::optional<PcmWave> readWave(const QByteArray& file);
