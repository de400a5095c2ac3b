// Click to card sound beside a reference: how much later than a low-latency stream's burst, written
// a known time before the click, the scripted player's card sound was heard in a recording of the
// sink. Sound is found by its level alone: a burst is a stretch of sound of at most 8 ms, and its
// card sound the next stretch after it. A burst the reference stream lost, or one with no card
// sound within 150 ms, is reported and left out. Prints each play's delay, then the median and
// the worst over all plays and over those after a pause of more than IDLE seconds (the game's
// stream paused and starting again).
//   usage: reference_delay CAPTURE PLAYER_LOG IDLE
//          CAPTURE: signed 16-bit little-endian mono samples at 44100 Hz
// Exit status 0 when every burst was heard with its card sound, 1 when not, 2 on bad arguments.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sound_bench.h"

namespace {

constexpr double kRate = 44100;
constexpr double kLevel = 0.003;         // a sample above this is sound (about -50 dBFS)
constexpr double kQuietSeconds = 0.005;  // sound this far apart is two stretches
constexpr double kBurstSeconds = 0.008;
constexpr double kSearchSeconds = 0.15;
constexpr double kMatchSeconds =
    0.05;  // a burst this far from where its click puts it is another's

struct Stretch {
    double start, end;  // seconds into the recording
};

struct Click {
    double at;     // seconds since the player started
    double pause;  // since the last click
    double gap;    // burst written to click, seconds
    bool reference;
};

std::vector<Stretch> stretches(const std::vector<double>& capture) {
    std::vector<Stretch> found;
    for (std::size_t k = 0; k < capture.size(); ++k) {
        if (std::abs(capture[k]) <= kLevel) continue;
        const double at = static_cast<double>(k) / kRate;
        if (found.empty() || at - found.back().end > kQuietSeconds) found.push_back({at, at});
        found.back().end = at;
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: reference_delay CAPTURE PLAYER_LOG IDLE\n");
        return 2;
    }
    std::FILE* captureFile = std::fopen(argv[1], "rb");
    std::ifstream logFile(argv[2]);
    const double idle = std::atof(argv[3]);
    if (!captureFile || !logFile) {
        std::fprintf(stderr, "reference_delay: cannot read its inputs\n");
        return 2;
    }
    const std::vector<double> capture = readSamples(captureFile);
    std::vector<Click> clicks;
    for (std::string line; std::getline(logFile, line);) {
        double at = 0;
        int reference = 0;
        long long gapUs = 0;
        if (std::sscanf(line.c_str(), "play %lf ref=%d gap_us=%lld", &at, &reference, &gapUs) ==
            3) {
            const double pause = clicks.empty() ? 1e9 : at - clicks.back().at;
            clicks.push_back({at, pause, static_cast<double>(gapUs) / 1e6, reference == 1});
        }
    }

    const std::vector<Stretch> heard = stretches(capture);
    std::vector<std::size_t> bursts;  // into `heard`
    for (std::size_t i = 0; i < heard.size(); ++i) {
        if (heard[i].end - heard[i].start <= kBurstSeconds) bursts.push_back(i);
    }
    std::vector<const Click*> measured;
    for (const Click& c : clicks) {
        if (c.reference) measured.push_back(&c);
    }
    // The recording's time of the player's clock: the one offset that puts the most bursts where
    // their clicks say, among those that put one of the first bursts at one of the first clicks.
    const auto burstNear = [&](double offset, const Click& c) -> const Stretch* {
        for (std::size_t b : bursts) {
            if (std::abs(heard[b].start - (c.at - c.gap + offset)) < kMatchSeconds)
                return &heard[b];
        }
        return nullptr;
    };
    double offset = 0;
    std::size_t best = 0;
    for (std::size_t b = 0; b < std::min<std::size_t>(3, bursts.size()); ++b) {
        for (std::size_t c = 0; c < std::min<std::size_t>(3, measured.size()); ++c) {
            const double candidate = heard[bursts[b]].start - (measured[c]->at - measured[c]->gap);
            const auto matched =
                std::count_if(measured.begin(), measured.end(),
                              [&](const Click* m) { return burstNear(candidate, *m) != nullptr; });
            if (static_cast<std::size_t>(matched) > best) {
                best = static_cast<std::size_t>(matched);
                offset = candidate;
            }
        }
    }

    std::vector<double> all, resumed;
    bool lost = measured.empty();
    for (const Click* c : measured) {
        const auto n = c - clicks.data() + 1;
        const Stretch* burst = burstNear(offset, *c);
        const Stretch* card = nullptr;
        if (burst && burst + 1 < heard.data() + heard.size() &&
            (burst + 1)->start - burst->start < kSearchSeconds) {
            card = burst + 1;
        }
        if (!card) {
            std::printf("play %2td: %s\n", n, burst ? "no card sound after its burst" : "no burst");
            lost = true;
            continue;
        }
        offset = burst->start - (c->at - c->gap);  // follows the recording's drift
        const double delay = (card->start - burst->start - c->gap) * 1e3;
        std::printf("play %2td after %6.2f s: %5.1f ms\n", n, c->pause, delay);
        all.push_back(delay);
        if (c->pause > idle) resumed.push_back(delay);
    }
    summary("beyond the reference, every play", all);
    summary("  after a longer pause (the stream starts again)", resumed);
    return lost ? 1 : 0;
}
