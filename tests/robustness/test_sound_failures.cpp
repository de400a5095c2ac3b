// The game plays on whatever becomes of its sound: no sound server, missing wave files, files
// named like the wave files that are not wave files. A whole game goes through the real main
// window, its ranking entry included, with no message box, every click handled and repainted. It
// runs once with a sound server (under with_pulse.sh) and once without one (PULSE_SERVER
// pointing nowhere).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <random>

#include "decks.h"
#include "looks/fonts.h"
#include "modal_driver.h"
#include "platform/previous_instance.h"
#include "score_files.h"
#include "scripted_random.h"
#include "shown_window.h"
#include "sound/mm_control.h"
#include "sound_server.h"
#include "widgets/picture_box_widget.h"
#include "windows/form1_main_window.h"
#include "windows/form2_ranking_window.h"

using namespace troven;

namespace {

enum class Waves { Present, Missing, NotWaves };

const QStringList kWaveNames = {QStringLiteral("card.wav"), QStringLiteral("wa.wav")};

// Puts the program's wave files in the working folder: its own, none, or garbage by their names.
void putWaves(Waves waves) {
    std::mt19937 noise(1);
    for (const QString& name : kWaveNames) {
        if (waves == Waves::Present) {
            QVERIFY(QFile::copy(QStringLiteral(":/sounds/") + name, name));
        } else if (waves == Waves::NotWaves) {
            QByteArray garbage(4096, '\0');
            for (char& c : garbage) c = static_cast<char>(noise());
            QVERIFY(testing::writeFile(name, garbage));
        }
    }
}

// Remembers the text of every message box that comes up.
class MessageBoxWatch : public QObject {
  public:
    MessageBoxWatch() { qApp->installEventFilter(this); }
    ~MessageBoxWatch() override { qApp->removeEventFilter(this); }

    QStringList shown;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show) {
            shown << box->text();
        }
        return false;
    }
};

// Counts the paints of one widget.
class PaintCount : public QObject {
  public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

Q_DECLARE_METATYPE(Waves)

class TestSoundFailures : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { fonts::installSubstitutes(); }

    void aWholeGamePlaysOnWithoutAMessage_data() {
        QTest::addColumn<Waves>("waves");
        QTest::newRow("wave files present") << Waves::Present;
        QTest::newRow("wave files missing") << Waves::Missing;
        QTest::newRow("wave files not waves") << Waves::NotWaves;
    }
    void aWholeGamePlaysOnWithoutAMessage() {
        QFETCH(Waves, waves);
        const bool server = testing::underSoundServer();
        QTemporaryDir work;
        QVERIFY(QDir::setCurrent(work.path()));
        const auto leave = qScopeGuard([] { QDir::setCurrent(QDir::tempPath()); });
        putWaves(waves);
        MessageBoxWatch watch;

        testing::ScriptedRandom random = testing::dealing(testing::winningDeck());
        PreviousInstance previous(work.filePath(QStringLiteral("lock")));
        Form1 form(previous, random);
        QVERIFY(form.Form_Load());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        // The file itself, or the program's own copy in its place; heard only with a server.
        auto* card = form.findChild<MMControl*>(QStringLiteral("MMControl1"));
        auto* wa = form.findChild<MMControl*>(QStringLiteral("MMControl2"));
        QCOMPARE(card->source(), waves == Waves::Present ? QStringLiteral("card.wav")
                                                         : QStringLiteral(":/sounds/card.wav"));
        for (const MMControl* device : {card, wa}) {
            if (server) {
                QTRY_VERIFY_WITH_TIMEOUT(device->isAudible(), 5000);
            } else {
                QVERIFY(!device->isAudible());
            }
        }

        form.findChild<QAction*>(QStringLiteral("mnuGameNew"))->trigger();
        QCoreApplication::processEvents();
        const auto slot = [&](int k) {
            return form.findChild<PictureBoxWidget*>(QStringLiteral("Picture2(%1)").arg(k));
        };
        // The deal is won by playing slot 0 48 times, then slots 1 to 4; the last play ends
        // the game and brings the name prompt. A click counts as handled once the pile shows the
        // card played.
        PaintCount pile(form.findChild<QWidget*>(QStringLiteral("Picture3")));
        for (int n = 0; n < 51; ++n) {
            const int paintsBefore = pile.paints;
            QTest::mouseClick(slot(n < 48 ? 0 : n - 47), Qt::LeftButton);
            QCoreApplication::processEvents();
            QVERIFY(pile.paints > paintsBefore);
        }
        QString offered;
        testing::whenModal([&](QWidget* dialog) {
            if (auto* box = qobject_cast<QInputDialog*>(dialog)) {
                offered = box->textValue();
                box->accept();
            }
            dialog->close();
        });
        QTest::mouseClick(slot(4), Qt::LeftButton);

        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("47"));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label7"))->text(),
                 QStringLiteral("CONGRATULATION ! "));
        QCOMPARE(offered, QStringLiteral("Player_001"));
        Form2* ranking = testing::shownWindow<Form2>();
        QVERIFY(ranking);
        QVERIFY(ranking->close());
        QVERIFY(form.isEnabled());
        QVERIFY2(watch.shown.isEmpty(), qPrintable(watch.shown.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestSoundFailures)
#include "test_sound_failures.moc"
