#include "wave/wave_file.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <bit>
#include <cstdint>
#include <optional>

#include "wave/sound_log.h"

static_assert(std::endian::native == std::endian::little,
              "wave samples are handed to the sink in file byte order");

namespace troven {
namespace {

// A sound effect; anything larger is not one and is not read into memory.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

// Little-endian fields of a RIFF image, with every read checked against its end.
class RiffReader {
  public:
    explicit RiffReader(const QByteArray& image) : image_(image) {}

    bool has(qint64 offset, qint64 length) const {
        return offset >= 0 && length >= 0 && offset + length <= image_.size();
    }
    std::uint32_t u32(qint64 offset) const { return field<std::uint32_t>(offset); }
    std::uint32_t u16(qint64 offset) const { return field<std::uint16_t>(offset); }
    bool tagAt(qint64 offset, const char (&tag)[5]) const {
        return has(offset, 4) && image_.mid(offset, 4) == QByteArray(tag, 4);
    }
    QByteArray bytes(qint64 offset, qint64 length) const { return image_.mid(offset, length); }

  private:
    // The caller has checked that the field lies inside the image.
    template <typename Field>
    Field field(qint64 offset) const {
        return qFromLittleEndian<Field>(image_.constData() + offset);
    }
    const QByteArray& image_;
};

std::optional<WaveFormat::SampleFormat> sampleFormatOf(std::uint16_t tag, std::uint32_t bits) {
    if (tag == wave_tag::kPcm && bits == 8) return WaveFormat::UInt8;
    if (tag == wave_tag::kPcm && bits == 16) return WaveFormat::Int16;
    if (tag == wave_tag::kPcm && bits == 32) return WaveFormat::Int32;
    if (tag == wave_tag::kFloat && bits == 32) return WaveFormat::Float;
    return std::nullopt;
}

std::nullopt_t unplayable(const char* why) {
    qCInfo(soundLog, "not a playable wave image: %s", why);
    return std::nullopt;
}

// The "fmt " chunk's body, or nothing when this program cannot play it.
std::optional<WaveFormat> parseFormat(const RiffReader& riff, qint64 body, std::uint32_t size) {
    if (size < 16 || !riff.has(body, 16)) return unplayable("format chunk cut short");
    std::uint16_t tag = static_cast<std::uint16_t>(riff.u16(body));
    const std::uint32_t channels = riff.u16(body + 2);
    const std::uint32_t rate = riff.u32(body + 4);
    const std::uint32_t blockAlign = riff.u16(body + 12);
    const std::uint32_t bits = riff.u16(body + 14);
    if (tag == wave_tag::kExtensible) {
        // The real encoding is the first two bytes of the sub-format GUID.
        if (size < 40 || !riff.has(body, 40)) return unplayable("extensible format cut short");
        tag = static_cast<std::uint16_t>(riff.u16(body + 24));
    }
    const std::optional<WaveFormat::SampleFormat> sampleFormat = sampleFormatOf(tag, bits);
    if (!sampleFormat || channels < 1 || channels > 2 || rate < 1000 || rate > 192000 ||
        blockAlign != channels * bits / 8) {
        qCInfo(soundLog,
               "not a playable wave image: format %u, %u bits, %u channels, %u Hz, %u-byte frames",
               unsigned{tag}, bits, channels, rate, blockAlign);
        return std::nullopt;
    }
    return WaveFormat(*sampleFormat, static_cast<int>(channels), static_cast<int>(rate));
}

}  // namespace

std::optional<WaveSound> parseWave(const QByteArray& image) {
    const RiffReader riff(image);
    if (!riff.tagAt(0, "RIFF") || !riff.tagAt(8, "WAVE")) return unplayable("no RIFF/WAVE header");

    std::optional<WaveFormat> format;
    for (qint64 chunk = 12; riff.has(chunk, 8);) {
        const std::uint32_t size = riff.u32(chunk + 4);
        const qint64 body = chunk + 8;
        if (riff.tagAt(chunk, "fmt ")) {
            format = parseFormat(riff, body, size);
            if (!format) return std::nullopt;
        } else if (riff.tagAt(chunk, "data")) {
            // Samples before their format, a cut-off data chunk or no whole frame: unplayable.
            if (!format) return unplayable("samples before their format");
            if (!riff.has(body, size)) return unplayable("data chunk cut short");
            const qint64 frames = size / format->bytesPerFrame();
            if (frames == 0) return unplayable("no whole frame");
            return WaveSound{*format, riff.bytes(body, frames * format->bytesPerFrame())};
        }
        chunk = body + size + (size & 1);  // chunks are padded to an even length
    }
    return unplayable("no data chunk");
}

std::optional<WaveSound> readWaveFile(const QString& path) {
    // Only a regular file: opening a fifo of that name would wait for a writer.
    if (!QFileInfo(path).isFile()) {
        qCInfo(soundLog) << path << "is missing or not a regular file";
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCInfo(soundLog) << path << "cannot be opened:" << file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        qCInfo(soundLog) << path << "is larger than" << kMaxFileBytes << "bytes";
        return std::nullopt;
    }
    std::optional<WaveSound> sound = parseWave(file.readAll());
    if (!sound) qCInfo(soundLog) << path << "passed over";
    return sound;
}

}  // namespace troven
