#include "wave/wave_writer.h"

#include <QFile>
#include <QtEndian>

#include <cstdint>

namespace troven {
namespace {

// RIFF fields are little-endian whatever the machine.
template <typename Field>
void append(QByteArray& out, Field value) {
    const Field field = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&field), sizeof field);
}

QByteArray formatBody(const WaveFormat& format) {
    QByteArray body;
    append<std::uint16_t>(
        body, format.sampleFormat() == WaveFormat::Float ? wave_tag::kFloat : wave_tag::kPcm);
    append<std::uint16_t>(body, static_cast<std::uint16_t>(format.channelCount()));
    append<std::uint32_t>(body, static_cast<std::uint32_t>(format.sampleRate()));
    append<std::uint32_t>(body,
                          static_cast<std::uint32_t>(format.sampleRate() * format.bytesPerFrame()));
    append<std::uint16_t>(body, static_cast<std::uint16_t>(format.bytesPerFrame()));
    append<std::uint16_t>(body, static_cast<std::uint16_t>(8 * format.bytesPerSample()));
    return body;
}

}  // namespace

QByteArray riffChunk(const char (&tag)[5], const QByteArray& body) {
    QByteArray chunk(tag, 4);
    append<std::uint32_t>(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.append(body);
    if (body.size() % 2 != 0) chunk.append('\0');
    return chunk;
}

QByteArray waveImage(const WaveSound& sound) {
    return riffChunk("RIFF", QByteArray("WAVE") + riffChunk("fmt ", formatBody(sound.format)) +
                                 riffChunk("data", sound.samples));
}

bool writeWaveFile(const QString& path, const WaveSound& sound) {
    const QByteArray image = waveImage(sound);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(image) == image.size() && file.flush();
}

}  // namespace troven
