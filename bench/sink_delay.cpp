// Click to sink: how long after each click of the scripted player the sink played its card
// sound, from a recording made by sink_recorder, whose marks say when the sink played the
// recorded samples on the monotonic clock the player's clicks are logged on. Each card sound is
// found as the first sound the sink played after its click; a play that follows the last within
// 100 ms, while that card sound still sounds, is left out. Prints each play's delay and the
// pause before it, then the median and the worst over all plays, over the plays within IDLE
// seconds of the last (the game's stream still running) and over those after a longer pause
// (the stream was paused and starts again), and how far the recording lagged behind the sink.
//   usage: sink_delay CAPTURE RATE CLOCK PLAYER_LOG IDLE
//          CAPTURE: signed 16-bit little-endian mono samples at RATE
// Exit status 0 when every measured play was heard, 1 when not, 2 on bad arguments.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "sound_bench.h"

namespace {

constexpr double kLevel = 0.003;         // a sample above this is sound (about -50 dBFS)
constexpr double kQuickSeconds = 0.1;    // a play this soon after the last is not measured
constexpr double kSearchSeconds = 0.25;  // a card sound later than this after its click is lost

// The recording's sample at `position` seconds from its first was played at `played`.
struct Mark {
    double played;  // monotonic seconds
    double position;
};

struct Click {
    double at;     // monotonic seconds
    double pause;  // since the last click, seconds
};

// The first sample the sink played at `at` or later: each mark holds until the next one.
std::optional<std::size_t> firstPlayedFrom(const std::vector<Mark>& marks, double at, double rate) {
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const double end =
            i + 1 < marks.size() ? marks[i + 1].position : std::numeric_limits<double>::infinity();
        const double position = marks[i].position + std::max(0.0, at - marks[i].played);
        if (position < end) return static_cast<std::size_t>(std::ceil(position * rate));
    }
    return std::nullopt;
}

double playedAt(const std::vector<Mark>& marks, std::size_t sample, double rate) {
    const double position = static_cast<double>(sample) / rate;
    const auto next = std::upper_bound(marks.begin(), marks.end(), position,
                                       [](double p, const Mark& m) { return p < m.position; });
    const Mark& mark = next == marks.begin() ? *next : *(next - 1);
    return mark.played + position - mark.position;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: sink_delay CAPTURE RATE CLOCK PLAYER_LOG IDLE\n");
        return 2;
    }
    const double rate = std::atof(argv[2]);
    std::ifstream clockFile(argv[3]);
    std::ifstream logFile(argv[4]);
    const double idle = std::atof(argv[5]);
    std::FILE* captureFile = std::fopen(argv[1], "rb");
    if (!captureFile || !clockFile || !logFile || rate <= 0) {
        std::fprintf(stderr, "sink_delay: cannot read its inputs\n");
        return 2;
    }
    const std::vector<double> capture = readSamples(captureFile);

    std::vector<Mark> marks;
    std::vector<double> lags;  // ms the sink had played beyond what the recorder had
    for (std::string line; std::getline(clockFile, line);) {
        double monotonic = 0, position = 0, recorded = 0;
        if (std::istringstream(line) >> monotonic >> position >> recorded) {
            marks.push_back({monotonic / 1e6, position / 1e6});
            lags.push_back((position / 1e6 - recorded / rate) * 1e3);
        }
    }
    std::vector<Click> clicks;
    double start = 0;
    for (std::string line; std::getline(logFile, line);) {
        std::istringstream words(line);
        std::string word;
        double value = 0;
        if (!(words >> word >> value)) continue;
        if (word == "clock") start = value / 1e6;
        if (word == "play") {
            const double at = start + value;
            clicks.push_back({at, clicks.empty() ? std::numeric_limits<double>::infinity()
                                                 : at - clicks.back().at});
        }
    }
    if (marks.empty() || clicks.empty()) {
        std::fprintf(stderr, "sink_delay: no marks in the clock or no plays in the log\n");
        return 1;
    }

    std::vector<double> all, running, resumed;
    bool lost = false;
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        const Click& click = clicks[i];
        if (click.pause < kQuickSeconds) continue;
        const std::size_t from = firstPlayedFrom(marks, click.at, rate).value_or(capture.size());
        std::optional<std::size_t> onset;
        for (std::size_t k = from; k < capture.size() && !onset; ++k) {
            if (playedAt(marks, k, rate) > click.at + kSearchSeconds) break;
            if (std::abs(capture[k]) > kLevel) onset = k;
        }
        if (!onset) {
            std::printf("play %2zu: no card sound within %.0f ms\n", i + 1, kSearchSeconds * 1e3);
            lost = true;
            continue;
        }
        const double delay = (playedAt(marks, *onset, rate) - click.at) * 1e3;
        std::printf("play %2zu after %6.2f s: %5.1f ms\n", i + 1, click.pause, delay);
        all.push_back(delay);
        (click.pause > idle ? resumed : running).push_back(delay);
    }
    // Marks close together must agree with each other: how far they do not is how far the
    // recording's own timing can be trusted.
    std::vector<double> disagreements;
    for (std::size_t i = 1; i < marks.size(); ++i) {
        const Mark& a = marks[i - 1];
        const Mark& b = marks[i];
        if (b.played - a.played < 0.1) {
            disagreements.push_back(std::abs((b.played - a.played) - (b.position - a.position)));
        }
    }
    std::sort(disagreements.begin(), disagreements.end());
    std::printf(
        "the recording ran %.1f ms (median) behind the sink, taken out; marks 0.1 s apart "
        "or closer agree within %.2f ms (99 %%)\n",
        median(lags),
        disagreements.empty() ? 0.0 : disagreements[disagreements.size() * 99 / 100] * 1e3);
    summary("click to sink, every play", all);
    summary("  within the idle time of the last play", running);
    summary("  after a longer pause (the stream starts again)", resumed);
    return lost || all.empty() ? 1 : 0;
}
