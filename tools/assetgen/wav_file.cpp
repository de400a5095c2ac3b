#include "wav_file.h"

#include <fstream>
#include <stdexcept>

namespace troven::assetgen {

namespace {

// RIFF fields are little-endian whatever the machine.
void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

}  // namespace

void writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sampleRate);

    std::string file = "RIFF";
    putLittleEndian(file, 36 + dataBytes, 4);
    file += "WAVEfmt ";
    putLittleEndian(file, 16, 4);  // size of the format chunk
    putLittleEndian(file, 1, 2);   // PCM
    putLittleEndian(file, kChannels, 2);
    putLittleEndian(file, rate, 4);
    putLittleEndian(file, rate * kChannels * kBytesPerSample, 4);  // bytes per second
    putLittleEndian(file, kChannels * kBytesPerSample, 2);         // bytes per frame
    putLittleEndian(file, 8 * kBytesPerSample, 2);                 // bits per sample
    file += "data";
    putLittleEndian(file, dataBytes, 4);
    for (std::int16_t sample : samples) {
        putLittleEndian(file, static_cast<std::uint16_t>(sample), 2);
    }

    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(file.data(), static_cast<std::streamsize>(file.size()));
    if (!stream.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace troven::assetgen
