// Checks a recording of the scripted player's game, its clicks taken in runs (a click within
// 120 ms of the last joins its run): each run's card sounds found within 200 ms of where its
// clicks put them beside the last run's last sound, and wa.wav at every game end that entered the
// ranking, beside that game's last card sound. With "whole" every click's card sound is heard
// whole (cut only by a quick next click), wa.wav whole, and nothing else; with "found" (PipeWire,
// whose graph now and then drops a cycle of whatever sounds on a busy machine, or runs late) each
// sound need only be found, and a click started over by a quick next one may go unheard.
//
// usage: player_analyse CAPTURE LOG card.wav wa.wav whole|found
//   CAPTURE  what the server played: signed 16-bit little-endian mono at 44100 Hz
//   LOG      the player's standard output
// Exit status 0 when all holds, 1 when not, 2 on bad arguments.
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sound_analysis.h"

using namespace troven::test;

namespace {

struct Click {
    double at;  // seconds
    bool ranked;
};

std::vector<Click> readLog(QFile& file) {
    static const QRegularExpression line(QStringLiteral(R"(^play ([0-9.]+) .*ranked=([01])$)"));
    std::vector<Click> clicks;
    while (!file.atEnd()) {
        const auto match = line.match(QString::fromUtf8(file.readLine()).trimmed());
        if (match.hasMatch())
            clicks.push_back({match.captured(1).toDouble(), match.captured(2) == "1"});
    }
    return clicks;
}

// Found this far from where its click puts it: a sound server on a busy machine now and then
// places a sound tens of milliseconds off. The scripted player's runs are 500 ms apart or more.
constexpr double kNearMs = 200;
// A click this soon after the last cuts its card sound short.
constexpr double kQuickSeconds = 0.12;
// wa.wav's sound starts this far into the file.
constexpr double kWaLeadMs = 150;

double ms(std::size_t samples) { return 1000.0 * static_cast<double>(samples) / kCaptureRate; }

}  // namespace

int main(int argc, char** argv) {
    const QByteArray mode = argc == 6 ? argv[5] : "";
    if (mode != "whole" && mode != "found") {
        std::fprintf(stderr, "usage: player_analyse CAPTURE LOG card.wav wa.wav whole|found\n");
        return 2;
    }
    const bool whole = mode == "whole";
    QFile captureFile(QString::fromLocal8Bit(argv[1]));
    QFile logFile(QString::fromLocal8Bit(argv[2]));
    if (!captureFile.open(QIODevice::ReadOnly) || !logFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "player_analyse: cannot read the recording or the log\n");
        return 2;
    }
    std::vector<KnownSound> sounds;
    for (int i = 3; i < 5; ++i) {
        auto sound = readKnownSound(QString::fromLocal8Bit(argv[i]));
        if (!sound) {
            std::fprintf(stderr, "player_analyse: %s holds no sound\n", argv[i]);
            return 2;
        }
        sounds.push_back(std::move(*sound));
    }
    const Signal capture = signalFromS16(captureFile.readAll());
    const std::vector<Click> clicks = readLog(logFile);
    const std::vector<Play> plays = findPlays(capture, sounds);
    std::vector<const Play*> card, wa;
    for (const Play& p : plays) (p.sound == &sounds[0] ? card : wa).push_back(&p);

    bool ok = true;
    const auto problem = [&](const char* what, std::size_t play) {
        std::printf("PROBLEM: %s (play %zu)\n", what, play + 1);
        ok = false;
    };
    const auto ranked =
        std::count_if(clicks.begin(), clicks.end(), [](const Click& c) { return c.ranked; });
    std::printf(
        "plays: %zu, card sounds found: %zu; games entered in the ranking: %td, wa.wav "
        "found: %zu\n",
        clicks.size(), card.size(), ranked, wa.size());
    if (static_cast<std::size_t>(ranked) != wa.size()) problem("wa.wav heard wrongly often", 0);
    if (clicks.empty()) problem("no plays", 0);

    struct Run {
        std::size_t first, last;  // into clicks
    };
    std::vector<Run> runs;
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        if (i > 0 && clicks[i].at - clicks[i - 1].at < kQuickSeconds) {
            runs.back().last = i;
        } else {
            runs.push_back({i, i});
        }
    }
    std::size_t next = 0, nextWa = 0;  // into card, wa
    const Play* before = nullptr;      // the last run's last card sound
    double beforeAt = 0;               // and its click
    for (const Run& run : runs) {
        // Where the run's clicks put their sounds, beside the last run's.
        const auto placed = [&](std::size_t i) {
            return ms(before->start) + (clicks[i].at - beforeAt) * 1000;
        };
        const std::size_t size = run.last - run.first + 1;
        std::size_t found = 0;
        while (
            next + found < card.size() &&
            (before ? ms(card[next + found]->start) <= placed(run.last) + kNearMs : found < size)) {
            if (before && ms(card[next + found]->start) < placed(run.first) - kNearMs) {
                problem("a card sound no click explains", run.first);
            }
            ++found;
        }
        if (found == 0 || found > size || (whole && found < size)) {
            std::printf("plays %zu to %zu: %zu card sounds found\n", run.first + 1, run.last + 1,
                        found);
            problem("not every play was heard", run.first);
            next += found;
            continue;
        }
        const Play* last = card[next + found - 1];
        if (before) {
            const double offMs = ms(last->start) - placed(run.last);
            std::printf("play %2zu at %7.3f s: card sound %+6.1f ms from where its click puts it\n",
                        run.last + 1, clicks[run.last].at, offMs);
            if (std::abs(offMs) > kNearMs) problem("card sound not near its click", run.last);
        }
        if (whole) {
            for (std::size_t k = 0; k < size; ++k) {
                // A restart that a busy server played late may have let the sound before it end.
                const PlayKind kind = card[next + k]->kind;
                if (kind != PlayKind::Whole && (k + 1 == size || kind != PlayKind::Cut))
                    problem("card sound not whole", run.first + k);
            }
        }
        if (clicks[run.last].ranked && nextWa < wa.size()) {
            const Play* w = wa[nextWa++];
            const double offMs = ms(w->start) - ms(last->start) - kWaLeadMs;
            std::printf("play %2zu: wa.wav %s, %+.1f ms beside its card sound\n", run.last + 1,
                        w->kind == PlayKind::Whole ? "whole" : "not whole", offMs);
            if (std::abs(offMs) > kNearMs) problem("wa.wav not near the game's end", run.last);
            if (whole && w->kind != PlayKind::Whole) problem("wa.wav not whole", run.last);
        }
        next += found;
        before = last;
        beforeAt = clicks[run.last].at;
    }
    if (next < card.size()) problem("card sounds after the last play", clicks.size() - 1);
    if (whole) {
        // Nothing else is heard while the game is played; the streams' ends, after the last
        // sound, are not part of it.
        std::size_t lastEnd = 0;
        for (const Play& p : plays) lastEnd = std::max(lastEnd, p.start + p.heard);
        const Signal played(capture.begin(),
                            capture.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                  capture.size(), lastEnd + kCaptureRate / 2)));
        for (const Stray& s : strays(played, plays)) {
            std::printf("sound no play explains at %.3f s: %.1f ms\n", ms(s.start) / 1000,
                        ms(s.length));
            problem("something else was heard", 0);
        }
    }
    std::printf("%s\n", ok ? "all heard as expected" : "FAILED");
    return ok ? 0 : 1;
}
