#include "sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace troven::assetgen {

namespace {

constexpr double kPi = std::numbers::pi;
// Loudest sample of a sound, as a fraction of full scale: well clear of clipping.
constexpr double kPeak = 0.7;

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double secondsAt(std::size_t sample) { return static_cast<double>(sample) / kSampleRate; }

// Rises smoothly from 0 at x = 0 to 1 at x = 1.
double smoothStep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(kPi * x);
}

// Fades the sound to exact zero over its last seconds so that it ends without a click.
void fadeOut(std::vector<double>& sound, double seconds) {
    const std::size_t length = samplesFor(seconds);
    for (std::size_t i = 0; i < length && i < sound.size(); ++i) {
        sound[sound.size() - 1 - i] *= smoothStep(static_cast<double>(i) / length);
    }
}

// Scales the sound to kPeak, converts it to 16-bit samples and appends the trailing silence.
std::vector<std::int16_t> toPcm(const std::vector<double>& sound) {
    double loudest = 0.0;
    for (double s : sound) {
        loudest = std::max(loudest, std::abs(s));
    }
    const double gain = loudest > 0.0 ? kPeak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> pcm;
    pcm.reserve(sound.size() + samplesFor(kTrailingSilenceSeconds));
    for (double s : sound) {
        pcm.push_back(static_cast<std::int16_t>(std::lround(s * gain)));
    }
    pcm.resize(pcm.size() + samplesFor(kTrailingSilenceSeconds), 0);
    return pcm;
}

// White noise in [-1, 1] from a fixed xorshift sequence, so every run gives the same file.
class Noise {
  public:
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483647.5 - 1.0;
    }

  private:
    std::uint32_t state_ = 0x2545F491u;
};

// A two-pole band-pass filter (unity gain at its centre); it passes no DC.
class BandPass {
  public:
    BandPass(double centreHz, double q) {
        const double w = 2.0 * kPi * centreHz / kSampleRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }

    double next(double x) {
        const double y = b0_ * (x - x2_) - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    double b0_, a1_, a2_;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

}  // namespace

std::vector<std::int16_t> synthesizeCardSnap() {
    constexpr double kLength = 0.1;
    constexpr double kAttack = 0.0015;
    constexpr double kDecay = 0.016;  // time constant of the exponential decay
    Noise noise;
    BandPass crack(3200.0, 0.8);  // the bright click of the card's edge
    BandPass body(1100.0, 1.6);   // the duller slap of the card on the table
    std::vector<double> sound(samplesFor(kLength));
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = secondsAt(i);
        const double n = noise.next();
        const double envelope = smoothStep(t / kAttack) * std::exp(-t / kDecay);
        sound[i] = envelope * (crack.next(n) + 0.6 * body.next(n));
    }
    fadeOut(sound, 0.02);
    return toPcm(sound);
}

std::vector<std::int16_t> synthesizeFanfare() {
    constexpr std::array kNotesHz = {523.25, 659.26, 783.99, 1046.50};  // C5 E5 G5 C6
    constexpr std::array kHarmonics = {1.0, 0.45, 0.25, 0.12, 0.06};    // a bright, brassy tone
    constexpr double kNoteStep = 0.09;
    constexpr double kLength = 0.58;
    constexpr double kAttack = 0.008;
    std::vector<double> sound(samplesFor(kLength), 0.0);
    for (std::size_t note = 0; note < kNotesHz.size(); ++note) {
        const std::size_t onset = samplesFor(kNoteStep * static_cast<double>(note));
        for (std::size_t i = onset; i < sound.size(); ++i) {
            const double t = secondsAt(i - onset);
            // An accent at the start of the note, then a slow fade while it rings on.
            const double envelope =
                smoothStep(t / kAttack) * (0.7 * std::exp(-t / 0.4) + 0.5 * std::exp(-t / 0.03));
            double tone = 0.0;
            for (std::size_t h = 0; h < kHarmonics.size(); ++h) {
                tone += kHarmonics[h] *
                        std::sin(2.0 * kPi * kNotesHz[note] * static_cast<double>(h + 1) * t);
            }
            sound[i] += envelope * tone;
        }
    }
    fadeOut(sound, 0.12);
    return toPcm(sound);
}

}  // namespace troven::assetgen
