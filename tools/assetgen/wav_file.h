#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace troven::assetgen {

// Writes 16-bit mono PCM samples as a RIFF WAVE file.
// Throws std::runtime_error when the file cannot be written.
void writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace troven::assetgen
