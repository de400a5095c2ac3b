// Plays a few cards in the real main window with the real sound devices, against the sound
// server PULSE_SERVER names: three clicks far apart, then a quick double click. Works in the
// folder given, where it first puts a "card.wav" of 0.4 s of noise: long enough that the quick
// second click lands in the middle of it, and easy to find in a recording.
// usage: window_sound_driver DIR
#include <QApplication>
#include <QDir>
#include <QTest>

#include "decks.h"
#include "form1_main_window.h"
#include "picture_box_widget.h"
#include "previous_instance.h"
#include "scripted_random.h"
#include "synthesised_waves.h"

namespace {

int drive(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) return 2;
    using troven::test::noiseSamples, troven::test::waveImage;
    if (!troven::test::writeFile(QStringLiteral("card.wav"), waveImage(noiseSamples(0.4, 7))))
        return 2;
    // Always playing slot 0 of this deal keeps the game going.
    troven::testing::ScriptedRandom random =
        troven::testing::dealing(troven::testing::winningDeck());
    troven::PreviousInstance previous(QDir::current().filePath(QStringLiteral("lock")));
    troven::Form1 form(previous, random);
    if (!form.Form_Load()) return 1;
    form.show();
    form.mnuGameNew_Click();
    auto* slot = form.findChild<troven::PictureBoxWidget*>(QStringLiteral("Picture2(0)"));
    QTest::qWait(500);
    for (int pauseAfter : {700, 700, 150, 800}) {
        QTest::mouseClick(slot, Qt::LeftButton);
        QTest::qWait(pauseAfter);
    }
    form.close();
    return form.game().count() == 4 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) { return drive(argc, argv); }
