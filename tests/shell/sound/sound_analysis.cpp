#include "sound_analysis.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace troven::testing {
namespace {

constexpr std::size_t kChunk = kCaptureRate / 100;  // sounds are compared 10 ms at a time,
constexpr std::size_t kFine = kCaptureRate / 1000;  // where a play stops 1 ms at a time
constexpr std::size_t kHead = kCaptureRate / 50;    // a sound's first 20 ms find where it starts
constexpr std::size_t kRefine = kCaptureRate / 10;  // and its first 100 ms where exactly
constexpr std::size_t kMaxRestartGap = kCaptureRate / 10;
constexpr std::size_t kEdge = kCaptureRate / 500;
constexpr double kSilence = 0.002;  // below about -54 dBFS a sample counts as silence
// Correlation with a sound's head that marks a start: half of it heard is enough to find it.
constexpr double kFindLevel = 0.5;
constexpr double kMatchLevel = 0.9;  // correlation of a 10 ms piece that counts as heard

double sampleAt(const WaveSound& wave, qsizetype frame, int channel) {
    const WaveFormat& f = wave.format;
    const char* p =
        wave.samples.constData() + frame * f.bytesPerFrame() + channel * f.bytesPerSample();
    switch (f.sampleFormat()) {
        case WaveFormat::UInt8:
            return (static_cast<std::uint8_t>(*p) - 128) / 128.0;
        case WaveFormat::Int16: {
            std::int16_t v;
            std::memcpy(&v, p, sizeof v);
            return v / 32768.0;
        }
        case WaveFormat::Int32: {
            std::int32_t v;
            std::memcpy(&v, p, sizeof v);
            return v / 2147483648.0;
        }
        default: {
            float v;
            std::memcpy(&v, p, sizeof v);
            return static_cast<double>(v);
        }
    }
}

double dot(const double* a, const double* b, std::size_t n) {
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += a[i] * b[i];
    return sum;
}

double rms(const double* a, std::size_t n) {
    return std::sqrt(dot(a, a, n) / static_cast<double>(n));
}

// Normalised correlation of two equal pieces; 0 when either is all silence.
double correlation(const double* a, const double* b, std::size_t n) {
    const double energy = dot(a, a, n) * dot(b, b, n);
    return energy > 0 ? dot(a, b, n) / std::sqrt(energy) : 0;
}

// How far from `from` the capture after `start` follows the sound, compared `piece` samples at
// a time, until `limit`.
std::size_t matchedLength(const Signal& capture, const KnownSound& sound, std::size_t start,
                          std::size_t from, std::size_t piece, std::size_t limit) {
    const Signal& s = sound.samples;
    std::size_t heard = from;
    while (heard < limit) {
        const std::size_t n = std::min(piece, limit - heard);
        if (start + heard + n > capture.size()) break;
        const double* expected = &s[heard];
        const double* got = &capture[start + heard];
        const double want = rms(expected, n);
        const double have = rms(got, n);
        // A near-silent piece of the sound must be heard as near silence.
        const bool same = want < 1e-4 ? have < 1e-3
                                      : correlation(expected, got, n) >= kMatchLevel &&
                                            have > want / 2 && have < want * 2;
        if (!same) break;
        heard += n;
    }
    return heard;
}

// The next place from `from` on where the sound's head is heard. Among the places close to the
// first good one, the one that matches the longest stretch of the sound wins, then the one that
// matches its first 100 ms best: in a held note the head matches again one period later, the
// note's change only at the true start. A place whose first millisecond is not the sound's is
// no start: where a server let a play run dry for a cycle, the rest of it lines up with the
// sound's head everywhere but at its beginning, and is not a play of its own.
std::optional<std::size_t> findStart(const Signal& capture, const KnownSound& sound,
                                     std::size_t from) {
    const std::size_t head = std::min(kHead, sound.samples.size());
    if (capture.size() < head) return std::nullopt;
    const std::size_t last = capture.size() - head;
    for (std::size_t k = from; k <= last; ++k) {
        // Where nothing is heard the costly product is skipped.
        if (std::abs(capture[k]) <= kSilence && std::abs(capture[k + head / 2]) <= kSilence) {
            continue;
        }
        if (correlation(&capture[k], sound.samples.data(), head) < kFindLevel) continue;
        const std::size_t span = std::min(kRefine, sound.samples.size());
        std::optional<std::size_t> best;
        std::size_t bestHeard = 0;
        double bestLevel = -1;
        // A play that ran dry early is found by its head heard later; its start lies before.
        for (std::size_t j = std::max(from, k - std::min(k, 2 * head));
             j <= std::min(last, k + head); ++j) {
            if (correlation(&capture[j], sound.samples.data(), std::min(kFine, head)) <
                kMatchLevel) {
                continue;
            }
            const std::size_t heard =
                matchedLength(capture, sound, j, 0, kChunk, sound.samples.size());
            const std::size_t n = std::min(span, capture.size() - j);
            const double level = correlation(&capture[j], sound.samples.data(), n);
            if (heard > bestHeard || (heard == bestHeard && level > bestLevel)) {
                bestHeard = heard;
                bestLevel = level;
                best = j;
            }
        }
        if (best) return best;
    }
    return std::nullopt;
}

// A 10 ms piece still matches when the next play starts late inside it: its last piece and the
// one after are looked at again 1 ms at a time, so that a restart there is not taken for more
// of this play and missed.
std::size_t heardLength(const Signal& capture, const KnownSound& sound, std::size_t start) {
    const std::size_t size = sound.samples.size();
    const std::size_t coarse = matchedLength(capture, sound, start, 0, kChunk, size);
    const std::size_t from = coarse - std::min(coarse, kChunk);
    return matchedLength(capture, sound, start, from, kFine, std::min(size, coarse + kChunk));
}

// A play cut so soon by a restart at `restart` that its head was never heard whole: the longest
// beginning of the sound heard just before the restart.
std::optional<Play> cutShort(const Signal& capture, const KnownSound& sound, std::size_t restart) {
    for (std::size_t n = std::min({kHead, restart, sound.samples.size()}); n >= kFine; --n) {
        if (correlation(&capture[restart - n], sound.samples.data(), n) >= kMatchLevel) {
            return Play{&sound, restart - n, n, PlayKind::Short};
        }
    }
    return std::nullopt;
}

}  // namespace

Signal signalFromS16(const QByteArray& bytes) {
    Signal out(static_cast<std::size_t>(bytes.size() / 2));
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::int16_t v;
        std::memcpy(&v, bytes.constData() + 2 * i, sizeof v);
        out[i] = v / 32768.0;
    }
    return out;
}

std::optional<KnownSound> knownSound(const std::string& name, const WaveSound& wave) {
    const int channels = wave.format.channelCount();
    const qsizetype frames = wave.samples.size() / wave.format.bytesPerFrame();
    Signal mono(static_cast<std::size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i) {
        double sum = 0;
        for (int c = 0; c < channels; ++c) sum += sampleAt(wave, i, c);
        mono[static_cast<std::size_t>(i)] = sum / channels;
    }
    // The server resamples to the sink's rate; linear interpolation comes close enough.
    Signal resampled;
    const double step = static_cast<double>(wave.format.sampleRate()) / kCaptureRate;
    for (double t = 0; t + 1 < static_cast<double>(mono.size()); t += step) {
        const auto i = static_cast<std::size_t>(t);
        const double frac = t - static_cast<double>(i);
        resampled.push_back(mono[i] * (1 - frac) + mono[i + 1] * frac);
    }
    const auto loud = [](double v) { return std::abs(v) > kSilence; };
    const auto first = std::find_if(resampled.begin(), resampled.end(), loud);
    const auto last = std::find_if(resampled.rbegin(), resampled.rend(), loud).base();
    if (first >= last) return std::nullopt;
    return KnownSound{name, Signal(first, last)};
}

std::optional<KnownSound> readKnownSound(const QString& path) {
    const auto wave = readWaveFile(path);
    if (!wave) return std::nullopt;
    return knownSound(QFileInfo(path).fileName().toStdString(), *wave);
}

std::vector<Play> findPlays(const Signal& capture, const std::vector<KnownSound>& sounds) {
    std::vector<Play> plays;
    for (const KnownSound& sound : sounds) {
        // A play's own samples are not searched again for a start.
        const std::size_t first = plays.size();
        std::size_t from = 0;
        while (const auto start = findStart(capture, sound, from)) {
            const std::size_t heard = heardLength(capture, sound, *start);
            plays.push_back({&sound, *start, heard, PlayKind::Short});
            // A 1 ms piece that a restart cuts near its end may still match.
            from = *start + std::max(heard, kHead / 2) - kFine;
        }
        for (std::size_t i = first, end = plays.size(); i < end; ++i) {
            // Not where a play found by its head goes on.
            if (i > first && plays[i - 1].start + kHead >= plays[i].start) continue;
            for (auto cut = cutShort(capture, sound, plays[i].start); cut;
                 cut = cutShort(capture, sound, cut->start)) {
                plays.push_back(*cut);
            }
        }
    }
    std::sort(plays.begin(), plays.end(),
              [](const Play& a, const Play& b) { return a.start < b.start; });
    for (auto p = plays.begin(); p != plays.end(); ++p) {
        const auto again =
            std::find_if(p + 1, plays.end(), [&](const Play& q) { return q.sound == p->sound; });
        if (p->heard == p->sound->samples.size()) {
            p->kind = PlayKind::Whole;
        } else if (again != plays.end() && again->start <= p->start + p->heard + kMaxRestartGap) {
            p->kind = PlayKind::Cut;
        }
    }
    return plays;
}

std::vector<Stray> strays(const Signal& capture, const std::vector<Play>& plays) {
    std::vector<bool> explained(capture.size());
    for (const Play& p : plays) {
        // A resampler smears a sound's edges by a few samples; a play that stopped early may
        // still be heard in the 10 ms piece it stopped in.
        const std::size_t begin = p.start - std::min(p.start, kEdge);
        const std::size_t end = p.start + p.heard + (p.kind == PlayKind::Whole ? kEdge : kChunk);
        for (std::size_t k = begin; k < std::min(end, capture.size()); ++k) explained[k] = true;
    }
    std::vector<Stray> found;
    for (std::size_t k = 0; k < capture.size(); ++k) {
        if (explained[k] || std::abs(capture[k]) <= kSilence) continue;
        if (found.empty() || k - (found.back().start + found.back().length) >= kChunk) {
            found.push_back({k, 0, 0});
        }
        found.back().length = k + 1 - found.back().start;
        ++found.back().loud;
    }
    return found;
}

std::size_t strayLength(const Signal& capture, const std::vector<Play>& plays) {
    std::size_t loud = 0;
    for (const Stray& s : strays(capture, plays)) loud += s.loud;
    return loud;
}

std::string describe(const std::vector<Play>& plays) {
    std::string out;
    for (const Play& p : plays) {
        if (!out.empty()) out += ' ';
        out += p.sound->name;
        out += p.kind == PlayKind::Whole ? ":whole" : p.kind == PlayKind::Cut ? ":cut" : ":short";
    }
    return out;
}

}  // namespace troven::testing
