// Checks a recording of the scripted player's game. Its clicks come in runs (a click within 120 ms
// of the last joins its run; runs are 700 ms apart or more), and so do the card sounds heard (a
// sound more than 300 ms after the last starts a run). With "whole" (PulseAudio) there must be a
// run of sounds for each run of clicks, with at least one sound and no more than it has clicks (a
// click started over at once may go unheard), its last sound within 250 ms of where the runs
// around it put it (a busy server places one tens of milliseconds off now and then), each sound
// heard whole (a card sound may be cut by a restart, the last of its run not), wa.wav whole beside
// the last card sound of every game that entered the ranking, and nothing else. With "found"
// (PipeWire, whose graph on a busy machine now and then drops a cycle of whatever sounds and
// whose recorded sink then loses stretches of time) there must be as many card sounds as runs of
// clicks or more, and no more than clicks, and a wa.wav for every game entered in the ranking.
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

using namespace troven::testing;

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

constexpr double kQuickSeconds = 0.12;  // a click this soon after the last joins its run
constexpr double kRunGapMs = 300;       // a sound this long after the last starts a run
constexpr double kNearMs = 250;         // a run's last sound this far off is misplaced
constexpr std::size_t kAround = 3;      // runs either side that place a run
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
    std::vector<const Play*> card, wa;  // in the order heard
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
        std::size_t first, last;  // into clicks, or into card
    };
    const auto runsOf = [](std::size_t count, auto joins) {
        std::vector<Run> runs;
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0 && joins(i)) {
                runs.back().last = i;
            } else {
                runs.push_back({i, i});
            }
        }
        return runs;
    };
    const std::vector<Run> clickRuns = runsOf(clicks.size(), [&](std::size_t i) {
        return clicks[i].at - clicks[i - 1].at < kQuickSeconds;
    });
    const std::vector<Run> soundRuns = runsOf(card.size(), [&](std::size_t i) {
        return ms(card[i]->start) - ms(card[i - 1]->start) <= kRunGapMs;
    });
    if (!whole) {
        // The recording of PipeWire's sink loses stretches of time on a busy machine, and with
        // them where each sound stands: each run of clicks must have had a sound, no click two.
        if (card.size() < clickRuns.size() || card.size() > clicks.size()) {
            problem("card sounds not heard as clicked", 0);
            for (const Play* p : card)
                std::printf("card sound at %.3f s, %.1f ms heard\n", ms(p->start) / 1000,
                            ms(p->heard));
        }
        std::printf("%s\n", ok ? "all found as expected" : "FAILED");
        return ok ? 0 : 1;
    }
    if (clickRuns.size() != soundRuns.size()) {
        std::printf("runs of clicks: %zu, runs of card sounds: %zu\n", clickRuns.size(),
                    soundRuns.size());
        problem("card sounds not heard as clicked", 0);
    }
    // Where the recording's clock stands against the player's at each run.
    std::vector<double> offsets;
    for (std::size_t r = 0; clickRuns.size() == soundRuns.size() && r < clickRuns.size(); ++r) {
        offsets.push_back(ms(card[soundRuns[r].last]->start) - clicks[clickRuns[r].last].at * 1000);
    }
    for (std::size_t r = 0; r < offsets.size(); ++r) {
        const Run& clicked = clickRuns[r];
        const Run& heard = soundRuns[r];
        const std::size_t size = clicked.last - clicked.first + 1;
        const std::size_t found = heard.last - heard.first + 1;
        std::vector<double> around(
            offsets.begin() + static_cast<std::ptrdiff_t>(r - std::min(r, kAround)),
            offsets.begin() +
                static_cast<std::ptrdiff_t>(std::min(offsets.size(), r + kAround + 1)));
        std::nth_element(around.begin(), around.begin() + around.size() / 2, around.end());
        const double offMs = offsets[r] - around[around.size() / 2];
        std::printf("play %2zu at %7.3f s: %zu of %zu card sounds, %+6.1f ms off\n",
                    clicked.last + 1, clicks[clicked.last].at, found, size, offMs);
        if (found > size) problem("more card sounds than clicks", clicked.first);
        if (whole && std::abs(offMs) > kNearMs)
            problem("card sound not near its click", clicked.last);
        for (std::size_t k = heard.first; k <= heard.last; ++k) {
            const PlayKind kind = card[k]->kind;
            if (kind != PlayKind::Whole && (k == heard.last || kind != PlayKind::Cut))
                problem("card sound not whole", clicked.first);
        }
        if (!clicks[clicked.last].ranked) continue;
        const double expected = ms(card[heard.last]->start) + kWaLeadMs;
        const auto w = std::find_if(wa.begin(), wa.end(), [&](const Play* p) {
            return std::abs(ms(p->start) - expected) <= kNearMs;
        });
        if (w == wa.end()) {
            problem("no wa.wav at the game's end", clicked.last);
            continue;
        }
        std::printf("play %2zu: wa.wav %s, %+.1f ms beside its card sound\n", clicked.last + 1,
                    (*w)->kind == PlayKind::Whole ? "whole" : "not whole",
                    ms((*w)->start) - expected);
        if ((*w)->kind != PlayKind::Whole) problem("wa.wav not whole", clicked.last);
    }
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
    std::printf("%s\n", ok ? "all heard as expected" : "FAILED");
    return ok ? 0 : 1;
}
