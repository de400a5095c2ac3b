// The program ended from outside, in the real windows, where the end-to-end test cannot look: the
// sound devices close once each and in order, a box open at the end gets the answer the program
// takes for the player's (the Clear question: No), and a save that fails as the program ends is
// told on the error output rather than in a box no one is left to dismiss. Each way in: a real
// SIGTERM and the session manager's order to quit (a Quit event); its requests to save, which come
// at a checkpoint too, end nothing.
#include <QPushButton>
#include <QSessionManager>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <csignal>

#include "decks.h"
#include "main_window_table.h"
#include "modal_driver.h"
#include "platform/program_ending.h"

using namespace troven;

namespace {

enum class Ending { Sigterm, Quit };
enum class Moment { MidGame, ClearQuestionOpen, RankingOpenSaveFails };

void end(Ending how) {
    switch (how) {
        case Ending::Sigterm:
            std::raise(SIGTERM);
            break;
        case Ending::Quit: {
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(qApp, &quit);
            break;
        }
    }
}

const QByteArray kTopFile = QByteArray("\"TOP\",47\r\n").repeated(kPlaces);

}  // namespace

Q_DECLARE_METATYPE(Ending)
Q_DECLARE_METATYPE(Moment)

class TestProgramEnding : public QObject {
    Q_OBJECT

  private slots:
    // A box poller left by a case is not to answer the next case's boxes.
    void cleanup() {
        qDeleteAll(qApp->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly));
    }

    void endsAsTheCloseBoxDoes_data() {
        QTest::addColumn<Ending>("how");
        QTest::addColumn<Moment>("moment");
        QTest::newRow("SIGTERM mid-game") << Ending::Sigterm << Moment::MidGame;
        QTest::newRow("quit, Clear question open") << Ending::Quit << Moment::ClearQuestionOpen;
        QTest::newRow("quit, ranking open, its save fails")
            << Ending::Quit << Moment::RankingOpenSaveFails;
    }
    void endsAsTheCloseBoxDoes() {
        QFETCH(Ending, how);
        QFETCH(Moment, moment);
        testing::MainWindowTable t(testing::winningDeck(), kTopFile);
        QVERIFY(t.open());
        ProgramEnding ending([&] { return t.form.get(); });
        QSignalSpy ended(t.form.get(), &Form1::programEnded);
        bool boxShown = false;

        switch (moment) {
            case Moment::MidGame:
                t.form->mnuGameNew_Click();
                QTest::mouseClick(t.slot(0), Qt::LeftButton);
                end(how);
                break;
            case Moment::ClearQuestionOpen:
                t.form->mnuGameRanking_Click();
                testing::whenModal([how](QWidget*) { end(how); });
                QTest::mouseClick(testing::shownWindow<Form2>()->findChild<QPushButton*>(
                                      QStringLiteral("Command1")),
                                  Qt::LeftButton);
                break;
            case Moment::RankingOpenSaveFails:
                QVERIFY(QFile::remove(QStringLiteral("score.dat")));
                QVERIFY(QDir().mkdir(QStringLiteral("score.dat")));  // a folder: nothing saves
                t.form->mnuGameRanking_Click();
                QTest::ignoreMessage(QtWarningMsg,
                                     QRegularExpression(QStringLiteral("保存できませんでした")));
                // A box here would hold the ending up for good.
                testing::whenModal([&](QWidget* box) {
                    boxShown = true;
                    box->close();
                });
                end(how);
                break;
        }

        QTRY_COMPARE(ended.count(), 1);
        QVERIFY(!boxShown);
        QVERIFY(!testing::shownWindow<Form2>());
        QCOMPARE(t.commands.filter(QStringLiteral("Close")),
                 (QStringList{"MMControl1 Close", "MMControl2 Close"}));
        if (moment != Moment::RankingOpenSaveFails) {
            QCOMPARE(testing::readFile(QStringLiteral("score.dat")), kTopFile);
        }
    }

    void sessionSaveEndsNothing() {
        testing::MainWindowTable t(testing::winningDeck(), kTopFile);
        QVERIFY(t.open());
        ProgramEnding ending([&] { return t.form.get(); });
        QSignalSpy ended(t.form.get(), &Form1::programEnded);
        t.form->mnuGameNew_Click();
        QTest::mouseClick(t.slot(0), Qt::LeftButton);
        auto& manager = *qApp->findChild<QSessionManager*>();
        emit qApp->commitDataRequest(manager);
        emit qApp->saveStateRequest(manager);
        QTest::qWait(200);
        QCOMPARE(ended.count(), 0);
        QVERIFY(!programEnding());
        QVERIFY(t.form->isVisible());
        QCOMPARE(t.commands.filter(QStringLiteral("Close")), QStringList());
    }
};

QTEST_MAIN(TestProgramEnding)
#include "test_program_ending.moc"
