// The real program, played from the inside by a player at a person's uneven pace: deals, plays
// by mouse and by keys 1 to 5 with pauses from 40 ms to several seconds, answers the name prompt
// of each game that enters the ranking and closes the ranking window, until it has played enough
// cards. Just before each play that follows a pause it writes a 3 ms reference burst to a
// low-latency stream, so that the card sound's delay can be measured against it in a recording.
//
// Environment:
//   TROVEN_PLAYER_PLAYS      how many cards to play (50 when unset)
//   TROVEN_PLAYER_PAUSES     the pauses after the plays, in seconds, comma-separated, taken in
//                            turn (kPauses when unset)
//   TROVEN_REFERENCE_FIFO    the fifo a low-latency player reads the bursts from; no bursts
//                            when unset
// The working folder gets a card.wav and a wa.wav of its own (see writeSounds) and a
// score.dat whose last two entries any game beats. On standard output, first the monotonic
// clock's microseconds at the start, then one line for each play, just before its click:
//   clock <microseconds>
//   play <seconds since start> ref=<0|1> gap_us=<burst to click> ranked=<0|1>
// Exit status: the program's own, or 3 when the script could not finish.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <vector>

#include "program/application.h"
#include "shown_window.h"
#include "synthesised_waves.h"
#include "widgets/picture_box_widget.h"
#include "windows/form1_main_window.h"
#include "windows/form2_ranking_window.h"

namespace {

using namespace troven;
using testing::noiseSamples, testing::waveImage, testing::writeFile;
using testing::shownWindow;

// Seconds to wait after each play, over and over: quick runs restart a sound that still plays,
// pauses beyond three seconds let the output go idle.
const std::vector<double> kPauses{0.7, 2.2, 0.04, 0.04, 1.1, 4.2, 0.8, 0.04, 1.6, 3.5, 0.7, 0.9};
constexpr double kQuick = 0.1;              // a play this soon after the last gets no burst
constexpr qint64 kBurstToClickUs = 20'000;  // the burst ends before the card sound starts

// A card sound short enough to end before the quickest pace but one, and a wa.wav whose sound
// starts 150 ms in, so that it does not mix with the card sound of the play that ended the game.
// Noise of different seeds: each is found in a recording to the sample.
bool writeSounds() {
    const QByteArray silence(static_cast<qsizetype>(0.15 * 44100) * 2, '\0');
    return writeFile(QStringLiteral("card.wav"), waveImage(noiseSamples(0.08, 11))) &&
           writeFile(QStringLiteral("wa.wav"), waveImage(silence + noiseSamples(0.4, 12)));
}

bool writeScores() {
    QFile file(QStringLiteral("score.dat"));
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (int i = 0; i < 10; ++i) file.write(i < 8 ? "\"TOP\",47\r\n" : "\"LOW\",-1\r\n");
    return file.error() == QFile::NoError;
}

class Player : public QObject {
  public:
    explicit Player(QObject* parent) : QObject(parent) {
        plays_ = qEnvironmentVariableIsSet("TROVEN_PLAYER_PLAYS")
                     ? qEnvironmentVariableIntValue("TROVEN_PLAYER_PLAYS")
                     : 50;
        for (const QString& pause : qEnvironmentVariable("TROVEN_PLAYER_PAUSES")
                                        .split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            pauses_.push_back(pause.toDouble());
        }
        if (pauses_.empty()) pauses_ = kPauses;
        reference_.setFileName(qEnvironmentVariable("TROVEN_REFERENCE_FIFO"));
        if (!writeSounds() || !writeScores() ||
            (!reference_.fileName().isEmpty() && !reference_.open(QIODevice::WriteOnly))) {
            std::fprintf(stderr, "scripted player: cannot set up its folder or its fifo\n");
            std::exit(3);
        }
        // Silence after the burst: a stream that ran dry waits for this much before it plays
        // again (PipeWire's PulseAudio service asks a 2 ms stream for about 11 ms).
        burst_ = noiseSamples(0.003, 13) + QByteArray(2 * 882, '\0');
        // The name prompt comes up inside the play that ends a game: a timer of its own answers.
        connect(&prompt_, &QTimer::timeout, this, &Player::answerNamePrompt);
        prompt_.start(20);
        clock_.start();
        timespec start{};
        clock_gettime(CLOCK_MONOTONIC, &start);
        std::printf("clock %lld\n",
                    static_cast<long long>(start.tv_sec) * 1'000'000 + start.tv_nsec / 1000);
        QTimer::singleShot(100, this, &Player::step);
    }

  private:
    void after(double seconds) { QTimer::singleShot(qRound(seconds * 1000), this, &Player::step); }

    void fail(const char* what) {
        std::fprintf(stderr, "scripted player: %s\n", what);
        QCoreApplication::exit(3);
    }

    void step() {
        if (clock_.hasExpired(10 * 60 * 1000)) return fail("out of time");
        Form1* form1 = shownWindow<Form1>();
        if (!form1) return after(0.1);  // the splash is still up
        if (Form2* form2 = shownWindow<Form2>()) form2->close();
        if (played_ >= plays_) {
            // What was played last is still on its way to the recording.
            QTimer::singleShot(1500, form1, &QWidget::close);
            return;
        }
        if (!dealt_ || form1->game().isOver()) {
            form1->findChild<QAction*>(QStringLiteral("mnuGameNew"))->trigger();
            dealt_ = true;
            lastPause_ = 1.0;  // wa.wav of the last game has ended by then
            return after(lastPause_);
        }
        play(*form1);
        lastPause_ = pauses_[static_cast<std::size_t>(played_) % pauses_.size()];
        after(lastPause_);
    }

    void play(Form1& form1) {
        int slot = 0;
        while (slot < kHandSize && !playable(form1, slot)) ++slot;
        if (slot == kHandSize) return fail("no hand slot can be played, yet the game is not over");
        // The card sound of the last play may still sound: no burst, and no delay measured.
        const bool burst = lastPause_ >= kQuick && reference_.isOpen();
        QElapsedTimer gap;
        if (burst) {
            reference_.write(burst_);
            reference_.flush();
            gap.start();
            // Asleep, not spinning: on a busy machine the reference player needs a processor
            // to pass the burst on, and a spinning player took one of two from it.
            QThread::usleep(kBurstToClickUs);
        }
        const qint64 gapUs = burst ? gap.nsecsElapsed() / 1000 : 0;
        const double at = clock_.nsecsElapsed() / 1e9;
        if (played_ % 2 == 0) {
            QTest::mouseClick(
                form1.findChild<PictureBoxWidget*>(QStringLiteral("Picture2(%1)").arg(slot)),
                Qt::LeftButton);
        } else {
            QTest::keyClick(&form1, static_cast<Qt::Key>(Qt::Key_1 + slot));
        }
        ++played_;
        std::printf("play %.6f ref=%d gap_us=%lld ranked=%d\n", at, burst ? 1 : 0,
                    static_cast<long long>(gapUs), shownWindow<Form2>() ? 1 : 0);
        std::fflush(stdout);
    }

    // Marked "SELECTABLE", as a player reads the table.
    static bool playable(Form1& form1, int slot) {
        const auto* box =
            form1.findChild<PictureBoxWidget*>(QStringLiteral("Picture2(%1)").arg(slot));
        const auto* mark = form1.findChild<QLabel*>(QStringLiteral("Label5(%1)").arg(slot));
        return box->isVisible() && mark->text() == QLatin1String("SELECTABLE");
    }

    void answerNamePrompt() {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        box->setTextValue(QStringLiteral("PLAYER"));
        box->accept();
    }

    int plays_ = 50;
    int played_ = 0;
    std::vector<double> pauses_;
    double lastPause_ = 1.0;
    bool dealt_ = false;
    QFile reference_;
    QByteArray burst_;
    QTimer prompt_;
    QElapsedTimer clock_;
};

void startPlayer() { new Player(QCoreApplication::instance()); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startPlayer)

int main(int argc, char** argv) { return troven::runProgram(argc, argv); }
