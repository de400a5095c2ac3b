// Checks a recording of the scripted player's game: every play's card sound heard, whole unless
// the next play came before it ended, wa.wav heard whole at every game end that entered the
// ranking, nothing else heard, and each card sound started soon after its click, measured
// against the reference burst written just before it (a play whose burst the reference stream
// lost is timed from the nearest play measured). A busy machine makes PipeWire's graph miss a
// cycle now and then, which shows as a short gap in a sound, a cycle or two of it missing in its
// middle, at its beginning or at its end, a sound a cycle or two late, or a scrap of sound out of
// its place: each such thing is put down to the cycles the server itself reported lost, at the
// cycles it spans, as long as they last; a program at fault shows the same things on a server that
// lost nothing.
//
// usage: player_analyse CAPTURE LOG WORST_MS MEDIAN_MS card.wav wa.wav [LOST_CYCLES]
//   CAPTURE      what the server played: signed 16-bit little-endian mono at 44100 Hz
//   LOG          the player's standard output
//   WORST_MS     the longest delay allowed beyond the reference's
//   MEDIAN_MS    the longest median delay allowed beyond the reference's
//   LOST_CYCLES  how often the server's graph did not finish a cycle in time (0 unless given)
// Exit status 0 when all holds, 1 when not, 2 on bad arguments.
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "sound_analysis.h"

using namespace troven::test;

namespace {

struct Click {
    double at;  // seconds
    bool reference;
    double gapMs;
    bool ranked;
};

std::vector<Click> readLog(QFile& file) {
    static const QRegularExpression line(
        QStringLiteral(R"(^play ([0-9.]+) ref=([01]) gap_us=([0-9]+) ranked=([01])$)"));
    std::vector<Click> clicks;
    while (!file.atEnd()) {
        const auto match = line.match(QString::fromUtf8(file.readLine()).trimmed());
        if (!match.hasMatch()) continue;
        clicks.push_back({match.captured(1).toDouble(), match.captured(2) == QLatin1String("1"),
                          match.captured(3).toDouble() / 1000, match.captured(4) == "1"});
    }
    return clicks;
}

constexpr double kBurstLevel = 0.01;
// The game pauses its stream three seconds after a sound (80 ms) ends.
constexpr double kPausedAfterSeconds = 3.2;
// wa.wav comes with the card sound of the play that ends a game, on a stream paused since the
// last game's end: on a busy machine PipeWire takes up to a few of its 5.3 ms cycles to start a
// paused stream again. Later than this, it no longer belongs to the click.
constexpr double kWaLateMs = 20;

// A cycle of PipeWire's graph at the 256 frames of 48 kHz that a 2 ms stream asks for.
constexpr double kCycleMs = 256 * 1000.0 / 48000;

// The cycles the server reported lost, spent on what they explain.
class LostCycles {
  public:
    explicit LostCycles(int count) : count_(count), left_(count) {}
    // Whether harm spanning `ms` fits in the cycles not yet spent; spends them if so.
    bool explain(double ms) {
        const int cycles = std::max(1, static_cast<int>(std::ceil(ms / kCycleMs)));
        if (cycles > left_) return false;
        left_ -= cycles;
        return true;
    }
    int count() const { return count_; }
    int spent() const { return count_ - left_; }

  private:
    int count_;
    int left_;
};

double ms(std::size_t samples) { return 1000.0 * static_cast<double>(samples) / kCaptureRate; }
// Signed: a sound found before the one it is measured from gives a negative time, not a huge one.
double msFrom(std::size_t from, std::size_t to) { return ms(to) - ms(from); }
double seconds(std::size_t samples) { return static_cast<double>(samples) / kCaptureRate; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7 && argc != 8) {
        std::fprintf(stderr,
                     "usage: player_analyse CAPTURE LOG WORST_MS MEDIAN_MS card.wav wa.wav "
                     "[LOST_CYCLES]\n");
        return 2;
    }
    QFile captureFile(QString::fromLocal8Bit(argv[1]));
    QFile logFile(QString::fromLocal8Bit(argv[2]));
    if (!captureFile.open(QIODevice::ReadOnly) || !logFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "player_analyse: cannot read the recording or the log\n");
        return 2;
    }
    const double limitMs = QByteArray(argv[3]).toDouble();
    const double medianLimitMs = QByteArray(argv[4]).toDouble();
    LostCycles lost(argc == 8 ? QByteArray(argv[7]).toInt() : 0);
    std::vector<KnownSound> sounds;
    for (int i = 5; i < 7; ++i) {
        auto sound = readKnownSound(QString::fromLocal8Bit(argv[i]));
        if (!sound) {
            std::fprintf(stderr, "player_analyse: %s holds no sound\n", argv[i]);
            return 2;
        }
        sounds.push_back(std::move(*sound));
    }
    const Signal capture = signalFromS16(captureFile.readAll());
    const std::vector<Click> clicks = readLog(logFile);
    std::vector<Play> plays = findPlays(capture, sounds);
    std::vector<const Play*> card, wa;
    for (const Play& p : plays) (p.sound == &sounds[0] ? card : wa).push_back(&p);

    bool ok = true;
    const auto problem = [&](const char* what, int index) {
        std::printf("PROBLEM: %s (play %d)\n", what, index + 1);
        ok = false;
    };
    const auto ranked =
        std::count_if(clicks.begin(), clicks.end(), [](auto& c) { return c.ranked; });
    std::printf(
        "plays: %zu, card sounds heard: %zu; games entered in the ranking: %td, wa.wav "
        "heard: %zu\n",
        clicks.size(), card.size(), ranked, wa.size());
    if (clicks.empty() || card.size() != clicks.size()) problem("not every play was heard", -1);
    if (static_cast<std::size_t>(ranked) != wa.size()) problem("wa.wav heard wrongly often", -1);
    // Silence in the middle of a sound that goes on as if it had been heard, or a sound's first
    // cycle or two missing, is the server's graph missing cycles: the game wrote the whole sound
    // before it began.
    for (const Play& p : plays) {
        if (p.skipped > 0) {
            std::printf("%s at %.3f s: %.1f ms of it missing %.1f ms in\n", p.sound->name.c_str(),
                        seconds(p.start), ms(p.skipped), ms(p.gap));
            if (!lost.explain(ms(p.skipped))) problem("samples the server did not lose", -1);
        } else if (p.gap > 0) {
            std::printf("%s at %.3f s: a gap of silence %.1f ms in, the rest %.1f ms late\n",
                        p.sound->name.c_str(), seconds(p.start), ms(p.gap), ms(p.late));
            if (!lost.explain(kCycleMs)) problem("a gap that the server did not lose", -1);
        }
        if (p.lostHead > 0) {
            std::printf("%s at %.3f s: its first %.1f ms not heard\n", p.sound->name.c_str(),
                        seconds(p.start), ms(p.lostHead));
            if (!lost.explain(ms(p.lostHead))) problem("a beginning the server did not lose", -1);
        }
        if (p.lostTail > 0) {
            std::printf("%s at %.3f s: its last %.1f ms not heard\n", p.sound->name.c_str(),
                        seconds(p.start), ms(p.lostTail));
            if (!lost.explain(ms(p.lostTail))) problem("an end the server did not lose", -1);
        }
    }
    // Later than allowed by no more than the cycles the server lost.
    const auto late = [&](const char* what, double beyondMs, int n) {
        if (beyondMs <= 0) return;
        if (lost.explain(beyondMs)) {
            std::printf("play %2d: %s %.1f ms beyond its limit, put down to lost cycles\n", n + 1,
                        what, beyondMs);
        } else {
            problem(what, n);
        }
    };

    std::vector<double> delays;
    std::vector<std::size_t> measured, unmeasured;  // plays with a burst before, and without
    std::vector<Play> bursts;
    const KnownSound burstSound{"ref", {}};
    std::size_t nextWa = 0;
    for (std::size_t i = 0; i < std::min(card.size(), clicks.size()); ++i) {
        const int n = static_cast<int>(i);
        const bool restarted = i + 1 < clicks.size() && clicks[i + 1].at - clicks[i].at < 0.12;
        const PlayKind expected = restarted ? PlayKind::Cut : PlayKind::Whole;
        if (card[i]->kind != expected)
            problem(restarted ? "not cut by the next play" : "not whole", n);
        if (clicks[i].reference) {
            // The reference stream may split its burst when it starts from idle: its first
            // sample is what counts. Nothing else sounds in the 100 ms before the burst.
            const std::size_t end =
                card[i]->start - std::min(card[i]->start, std::size_t{kCaptureRate / 500});
            const std::size_t from = end - std::min(end, std::size_t{kCaptureRate / 10});
            std::optional<std::size_t> burst;
            for (std::size_t k = from; k < end && !burst; ++k) {
                if (std::abs(capture[k]) > kBurstLevel) burst = k;
            }
            if (!burst) {
                // The reference stream, not the game, lost it (seen now and then on PipeWire
                // after a long pause): this play's delay cannot be measured.
                unmeasured.push_back(i);
            } else {
                bursts.push_back({&burstSound, *burst, end - *burst, PlayKind::Short});
                const double delay = msFrom(*burst, card[i]->start) - clicks[i].gapMs;
                delays.push_back(delay);
                measured.push_back(i);
                std::printf("play %2d at %7.3f s: card sound %6.1f ms after the reference\n", n + 1,
                            clicks[i].at, delay);
                late("card sound late", delay - limitMs, n);
            }
        }
        if (clicks[i].ranked) {
            if (nextWa >= wa.size()) continue;
            const Play* w = wa[nextWa++];
            // wa.wav's sound starts 150 ms into the file; the card sound of the same play is
            // measured above.
            const double waLate = msFrom(card[i]->start, w->start) - 150;
            std::printf("play %2d: wa.wav %s, %.1f ms after the card sound's start + 150 ms\n",
                        n + 1, w->kind == PlayKind::Whole ? "whole" : "NOT WHOLE", waLate);
            if (w->kind != PlayKind::Whole) problem("wa.wav not whole", n);
            late("wa.wav late", std::abs(waLate) - kWaLateMs, n);
        }
    }
    plays.insert(plays.end(), bursts.begin(), bursts.end());
    // Nothing else is heard while the game is played; the program's and the reference stream's
    // ends, after the last sound, are not part of it.
    std::size_t lastEnd = 0;
    for (const Play& p : plays) lastEnd = std::max(lastEnd, p.start + p.heard);
    const Signal played(capture.begin(),
                        capture.begin() + static_cast<std::ptrdiff_t>(std::min(
                                              capture.size(), lastEnd + kCaptureRate / 2)));
    for (const Stray& s : strays(played, plays)) {
        std::printf("sound no play explains at %.3f s: %.1f ms (%.1f ms above silence)\n",
                    seconds(s.start), ms(s.length), ms(s.loud));
        if (!lost.explain(ms(s.length))) problem("something else was heard", -1);
    }
    // A play without its burst is timed from the nearest measured play: the recording and the
    // clicks keep their distance but for the game's delay, so a card sound that came late
    // (and left its burst outside the window searched) is still caught.
    for (const std::size_t i : unmeasured) {
        const int n = static_cast<int>(i);
        if (measured.empty()) {
            problem("no reference burst before it", n);
            continue;
        }
        const auto offset = [&](std::size_t k) { return ms(card[k]->start) - clicks[k].at * 1000; };
        std::size_t nearest = measured.front();
        for (const std::size_t k : measured) {
            if (std::abs(clicks[k].at - clicks[i].at) < std::abs(clicks[nearest].at - clicks[i].at))
                nearest = k;
        }
        const auto at = std::find(measured.begin(), measured.end(), nearest) - measured.begin();
        const double delay = offset(i) - offset(nearest) + delays[static_cast<std::size_t>(at)];
        std::printf(
            "play %2d at %7.3f s: no reference burst before it; about %.1f ms, from play %zu\n",
            n + 1, clicks[i].at, delay, nearest + 1);
        late("card sound late", delay - limitMs, n);
    }
    // A reference that loses more than one burst in ten no longer measures the game.
    if (unmeasured.size() * 10 > unmeasured.size() + measured.size())
        problem("reference bursts lost", -1);
    // The first play after a long pause, when the game has paused its stream, on its own: a
    // stream slow to start again is late at every such play, yet too few of them to move the
    // median of all.
    std::vector<double> resumed;
    for (std::size_t k = 0; k < measured.size(); ++k) {
        const std::size_t i = measured[k];
        if (i > 0 && clicks[i].at - clicks[i - 1].at > kPausedAfterSeconds)
            resumed.push_back(delays[k]);
    }
    const auto judgeMedian = [&](std::vector<double> of, const char* what) {
        if (of.empty()) return;
        std::sort(of.begin(), of.end());
        const double median = of[of.size() / 2];
        std::printf(
            "delay beyond the reference over %zu %s: median %.1f ms, worst %.1f ms "
            "(limits %.0f ms, %.0f ms)\n",
            of.size(), what, median, of.back(), medianLimitMs, limitMs);
        if (median > medianLimitMs) problem("card sounds late on the median", -1);
    };
    judgeMedian(delays, "plays");
    judgeMedian(resumed, "plays after a pause that paused the stream");
    std::printf("cycles the server reported lost: %d, spent on what was heard: %d\n", lost.count(),
                lost.spent());
    std::printf("%s\n", ok ? "all heard as expected" : "FAILED");
    return ok ? 0 : 1;
}
