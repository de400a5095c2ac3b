#include "wav_reader.h"

namespace {

std::uint32_t littleEndian(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

}  // namespace

std::optional<PcmWave> readWave(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE" ||
        littleEndian(file, 4, 4) != static_cast<std::uint32_t>(file.size() - 8)) {
        return std::nullopt;
    }
    PcmWave wave;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = littleEndian(file, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > file.size()) {
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = static_cast<int>(littleEndian(file, body, 2));
            wave.channels = static_cast<int>(littleEndian(file, body + 2, 2));
            wave.sampleRate = static_cast<int>(littleEndian(file, body + 4, 4));
            wave.bitsPerSample = static_cast<int>(littleEndian(file, body + 14, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            if (wave.bitsPerSample == 16) {
                for (qsizetype i = 0; i + 1 < size; i += 2) {
                    wave.samples.push_back(
                        static_cast<std::int16_t>(littleEndian(file, body + i, 2)));
                }
            }
            haveData = true;
        }
        at = body + size + (size % 2);  // chunks are padded to an even length
    }
    return haveFormat && haveData ? std::optional(wave) : std::nullopt;
}
