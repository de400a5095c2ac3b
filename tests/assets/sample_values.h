#pragma once

#include <QtEndian>

#include <cstdint>
#include <vector>

#include "wave/wave_file.h"

// The values of 16-bit samples, from the file's little-endian bytes.
inline std::vector<std::int16_t> sampleValues(const troven::WaveSound& wave) {
    std::vector<std::int16_t> values(static_cast<std::size_t>(wave.samples.size() / 2));
    qFromLittleEndian<std::int16_t>(wave.samples.constData(), static_cast<qsizetype>(values.size()),
                                    values.data());
    return values;
}
