// Times a click on a hand slot in the real main window, from the mouse press to the end of the
// window's repaint, over a few thousand clicks of games played out: the time on the clock, and
// the processor time of the window's own thread, which leaves out the time other threads and
// processes (the sound's among them) took the processor away. Run it on the platform to measure
// (offscreen, or xcb under Xvfb); it works in a scratch folder whose score.dat keeps every result
// out of the ranking, so no name prompt interrupts.
//   bench_click [--pace MS]   with --pace, 200 clicks MS milliseconds apart with the event loop
//                             running in between, as a player clicks (the caches go cold between
//                             clicks); without, 3000 clicks one straight after the other
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "looks/fonts.h"
#include "platform/previous_instance.h"
#include "widgets/picture_box_widget.h"
#include "windows/form1_main_window.h"

namespace {

double threadMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

void report(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
    };
    std::printf("  %-25s median %4.0f us, 90%% %4.0f us, 99%% %5.0f us, max %5.0f us\n", what,
                at(0.5), at(0.9), at(0.99), micros.back());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const qsizetype paceAt = arguments.indexOf(QStringLiteral("--pace"));
    const int pace =
        paceAt > 0 && paceAt + 1 < arguments.size() ? arguments[paceAt + 1].toInt() : 0;
    const std::size_t clicks = pace > 0 ? 200 : 3000;
    troven::fonts::installSubstitutes();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile scores(QStringLiteral("score.dat"));
    if (!scores.open(QIODevice::WriteOnly)) return 1;
    for (int i = 0; i < 10; ++i) scores.write("\"TOP\",47\r\n");
    scores.close();

    troven::PreviousInstance previous(dir.filePath(QStringLiteral("lock")));
    troven::ClockSeededRandom random;
    troven::Form1 form(previous, random);
    if (!form.Form_Load()) return 1;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;

    std::vector<troven::PictureBoxWidget*> handSlots;
    for (int k = 0; k < troven::kHandSize; ++k) {
        handSlots.push_back(
            form.findChild<troven::PictureBoxWidget*>(QStringLiteral("Picture2(%1)").arg(k)));
    }
    std::vector<double> micros;
    std::vector<double> threadMicrosUsed;
    QElapsedTimer clock;
    while (micros.size() < clicks) {
        int playable = 0;
        while (playable < troven::kHandSize && !form.game().canPlay(playable)) ++playable;
        if (form.game().isOver() || !form.game().isDealt() || playable == troven::kHandSize) {
            form.mnuGameNew_Click();
            form.repaint();
            continue;
        }
        const double threadStart = threadMicros();
        clock.start();
        QTest::mouseClick(handSlots[static_cast<std::size_t>(playable)], Qt::LeftButton);
        form.repaint();
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
        threadMicrosUsed.push_back(threadMicros() - threadStart);
        if (pace > 0) {
            QTest::qWait(pace);
        } else {
            QCoreApplication::processEvents();
        }
    }
    std::printf(
        "clicks %zu on %s, %s:\n", micros.size(), qPrintable(QGuiApplication::platformName()),
        pace > 0 ? qPrintable(QStringLiteral("%1 ms apart").arg(pace)) : "one after the other");
    report("on the clock", std::move(micros));
    report("processor, window thread", std::move(threadMicrosUsed));
    return 0;
}
