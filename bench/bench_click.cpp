// Times a click on a hand slot in the real main window, from the mouse press to the end of the
// window's repaint, over a few thousand clicks of games played out. Run it on the platform to
// measure (offscreen, or xcb under Xvfb); it works in a scratch folder whose score.dat keeps
// every result out of the ranking, so no name prompt interrupts.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "fonts.h"
#include "main_window.h"
#include "picture_box_widget.h"
#include "previous_instance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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

    std::vector<troven::PictureBoxWidget*> slots;
    for (int k = 0; k < troven::kHandSize; ++k) {
        slots.push_back(
            form.findChild<troven::PictureBoxWidget*>(QStringLiteral("Picture2(%1)").arg(k)));
    }
    std::vector<double> micros;
    QElapsedTimer clock;
    while (micros.size() < 3000) {
        auto playable = std::find_if(slots.begin(), slots.end(),
                                     [](QWidget* s) { return s->isVisible() && s->isEnabled(); });
        if (form.game().isOver() || !form.game().isDealt() || playable == slots.end()) {
            form.mnuGameNew_Click();
            form.repaint();
            continue;
        }
        clock.start();
        QTest::mouseClick(*playable, Qt::LeftButton);
        form.repaint();
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
        QCoreApplication::processEvents();
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
    };
    std::printf("clicks %zu on %s: median %.0f us, 90%% %.0f us, 99%% %.0f us, max %.0f us\n",
                micros.size(), qPrintable(QGuiApplication::platformName()), at(0.5), at(0.9),
                at(0.99), micros.back());
    return 0;
}
