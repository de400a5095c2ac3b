// Checks a recording of the scripted player's game: every play's card sound found, each within
// 100 ms of where its click puts it beside the sound before it, and wa.wav at every game end that
// entered the ranking, beside that game's last card sound. With "whole" every sound is heard
// whole (a card sound may be cut by a quick next play, and only then) and nothing else is heard;
// with "found" (PipeWire, whose graph now and then drops a cycle of whatever sounds on a busy
// machine) each need only be found.
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

// Found this far from where its click puts it: late enough to hear, yet far from any server's
// cycle, however busy the machine.
constexpr double kNearMs = 100;
// A play this soon after the last cuts its card sound short.
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
    if (clicks.empty() || card.size() != clicks.size()) problem("not every play was heard", 0);
    if (static_cast<std::size_t>(ranked) != wa.size()) problem("wa.wav heard wrongly often", 0);

    std::size_t nextWa = 0;
    for (std::size_t i = 0; i < std::min(card.size(), clicks.size()); ++i) {
        if (i > 0) {
            // The recording and the clicks keep their distances but for what the sound takes.
            const double offMs = ms(card[i]->start) - ms(card[i - 1]->start) -
                                 (clicks[i].at - clicks[i - 1].at) * 1000;
            std::printf("play %2zu at %7.3f s: card sound %+6.1f ms beside the last\n", i + 1,
                        clicks[i].at, offMs);
            if (std::abs(offMs) > kNearMs) problem("card sound not near its click", i);
        }
        const bool cut = i + 1 < clicks.size() && clicks[i + 1].at - clicks[i].at < kQuickSeconds;
        if (whole && card[i]->kind != (cut ? PlayKind::Cut : PlayKind::Whole))
            problem(cut ? "card sound not cut by the next play" : "card sound not whole", i);
        if (!clicks[i].ranked || nextWa >= wa.size()) continue;
        const Play* w = wa[nextWa++];
        const double offMs = ms(w->start) - ms(card[i]->start) - kWaLeadMs;
        std::printf("play %2zu: wa.wav %s, %+.1f ms beside its card sound\n", i + 1,
                    w->kind == PlayKind::Whole ? "whole" : "not whole", offMs);
        if (std::abs(offMs) > kNearMs) problem("wa.wav not near the game's end", i);
        if (whole && w->kind != PlayKind::Whole) problem("wa.wav not whole", i);
    }
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
