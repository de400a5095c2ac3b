#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace troven {

// How the samples of a sound are stored: the encodings a wave file may hold that this program
// plays, in the file's (little-endian) byte order.
class WaveFormat {
  public:
    enum SampleFormat { UInt8, Int16, Int32, Float };

    constexpr WaveFormat(SampleFormat sampleFormat, int channelCount, int sampleRate)
        : sampleFormat_(sampleFormat), channelCount_(channelCount), sampleRate_(sampleRate) {}

    constexpr SampleFormat sampleFormat() const { return sampleFormat_; }
    constexpr int channelCount() const { return channelCount_; }
    constexpr int sampleRate() const { return sampleRate_; }
    constexpr int bytesPerSample() const {
        return sampleFormat_ == UInt8 ? 1 : sampleFormat_ == Int16 ? 2 : 4;
    }
    constexpr int bytesPerFrame() const { return bytesPerSample() * channelCount_; }
    // Playing time of that many bytes, in microseconds.
    constexpr std::int64_t durationForBytes(std::int64_t bytes) const {
        return bytes / bytesPerFrame() * 1'000'000 / sampleRate_;
    }
    constexpr bool operator==(const WaveFormat&) const = default;

  private:
    SampleFormat sampleFormat_;
    int channelCount_;
    int sampleRate_;
};

// The encodings a "fmt " chunk names, as read and written here.
namespace wave_tag {
inline constexpr std::uint16_t kPcm = 1;
inline constexpr std::uint16_t kFloat = 3;
// The encoding is then named by the first two bytes of the sub-format GUID.
inline constexpr std::uint16_t kExtensible = 0xFFFE;
}  // namespace wave_tag

// The samples of a wave file, in the form an audio output takes them.
struct WaveSound {
    WaveFormat format;
    QByteArray samples;
};

// Reads a RIFF/WAVE image holding uncompressed PCM (8, 16 or 32 bits) or 32-bit float samples in
// one or two channels. Any other encoding, and an image whose chunks are cut short, gives nothing:
// the caller then falls back to a sound it knows to be good.
std::optional<WaveSound> parseWave(const QByteArray& image);

// Reads and parses a wave file; a missing, unreadable or oversized file gives nothing.
std::optional<WaveSound> readWaveFile(const QString& path);

}  // namespace troven
