#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <utility>

#include "decks.h"
#include "looks/fonts.h"
#include "main_window_table.h"
#include "modal_driver.h"
#include "program/qt_translations.h"
#include "score_files.h"
#include "shown_window.h"
#include "widgets/picture_box_widget.h"
#include "windows/form2_ranking_window.h"

using namespace troven;

namespace {

QString caption(QWidget* form, const QString& name) {
    return form->findChild<QLabel*>(name)->text();
}

// The main window, loaded and shown, with a deal that ends at its first play with a count of 1.
struct Session : testing::MainWindowTable {
    Session() : MainWindowTable(testing::onePlayDeck()) {
        if (!open()) qFatal("main window refused to load");
    }
    void endGameWithCountOne() {
        form->mnuGameNew_Click();
        QTest::mouseClick(slot(0), Qt::LeftButton);
    }
    QStringList waCommands() const { return commandsOf(QStringLiteral("MMControl2")); }
};

// Answers the name prompts in turn ("<cancel>" cancels); records the default each one offered.
void answerNamePrompts(QStringList answers, QStringList* offered) {
    testing::whenModal([=](QWidget* dialog) mutable {
        auto* box = qobject_cast<QInputDialog*>(dialog);
        QVERIFY(box);
        *offered << box->textValue();
        const QString answer = answers.takeFirst();
        if (answer == QLatin1String("<cancel>")) {
            box->reject();
        } else {
            box->setTextValue(answer);
            box->accept();
        }
        if (!answers.isEmpty()) answerNamePrompts(answers, offered);
    });
}

}  // namespace

class TestForm2RankingWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        fonts::installSubstitutes();
        installJapaneseQtTranslations(*QCoreApplication::instance());
    }

    void isAFixedBlackTableOfThreeColumnsAndAClearButton() {
        Session s;
        s.form->mnuGameRanking_Click();
        Form2* f = testing::shownWindow<Form2>();
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("RANKING"));
        QCOMPARE(f->size(), QSize(209, 287));
        QVERIFY(testing::offCentre(f).manhattanLength() <= 8);
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QVERIFY(
            !(f->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(f->palette().color(QPalette::Window), QColor(Qt::black));
        for (int i = 0; i < 10; ++i) {
            const int top = 8 + 24 * i;
            QCOMPARE(f->findChild<QLabel*>(QStringLiteral("Label3(%1)").arg(i))->geometry(),
                     QRect(8, top, 17, 17));
            QCOMPARE(f->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(i))->geometry(),
                     QRect(32, top, 137, 17));
            QCOMPARE(f->findChild<QLabel*>(QStringLiteral("Label2(%1)").arg(i))->geometry(),
                     QRect(176, top, 25, 17));
            QCOMPARE(caption(f, QStringLiteral("Label3(%1)").arg(i)), QString::number(i + 1));
        }
        QLabel* name = f->findChild<QLabel*>(QStringLiteral("Label1(0)"));
        QCOMPARE(name->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(QFontInfo(name->font()).family(), QStringLiteral("IPAPGothic"));
        QCOMPARE(name->font().pointSizeF(), 12.0);
        QVERIFY(name->font().bold());
        QCOMPARE(name->focusPolicy(), Qt::NoFocus);

        auto* clear = f->findChild<QPushButton*>(QStringLiteral("Command1"));
        QCOMPARE(clear->geometry(), QRect(72, 248, 65, 33));
        QCOMPARE(clear->text(), QStringLiteral("クリア"));
        QCOMPARE(QFontInfo(clear->font()).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(clear->font().pointSizeF(), 11.25);
        QVERIFY(!clear->isDefault() && !clear->autoDefault());
    }

    void fromTheMenuItShowsTheFileAndSavesItBackOnClosing() {
        Session s;
        s.form->mnuGameNew_Click();
        s.form->mnuGameRanking_Click();  // no file yet: the default table, no prompt
        Form2* f = testing::shownWindow<Form2>();
        QVERIFY(f);
        QVERIFY(!s.form->isEnabled());
        QVERIFY(s.form->windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus);
        QCOMPARE(caption(f, QStringLiteral("Label1(0)")), QStringLiteral("XYZ"));
        QCOMPARE(caption(f, QStringLiteral("Label2(0)")), QStringLiteral("50"));
        QCOMPARE(caption(f, QStringLiteral("Label1(9)")), QStringLiteral("QQQ"));
        QVERIFY(s.waCommands().filter(QStringLiteral("Play")).isEmpty());

        // While the ranking is loaded the main window takes nothing: no play, no closing.
        QTest::mouseClick(s.form->findChild<PictureBoxWidget*>(QStringLiteral("Picture2(0)")),
                          Qt::LeftButton);
        QCOMPARE(s.form->game().state().DeckPos, 5);
        QVERIFY(!s.form->close());

        QVERIFY(f->close());
        QVERIFY(s.form->isEnabled());
        QVERIFY(!(s.form->windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus));
        QCOMPARE(testing::readFile(QStringLiteral("score.dat")), testing::kDefaultScoreFile);
    }

    void aRealFileInCodePage932RoundTripsByteForByte() {
        Session s;
        QByteArray file;
        const QByteArray names[] = {testing::kZenkaku5, "a,b", "say \"hi\"",
                                    "\x83\x65\x83\x58\x83\x67", "Z"};
        for (int i = 0; i < 10; ++i) {
            file += '"' + names[i % 5] + "\"," + QByteArray::number(40 - 4 * i) + "\r\n";
        }
        QVERIFY(testing::writeFile(QStringLiteral("score.dat"), file));
        s.form->mnuGameRanking_Click();
        Form2* f = testing::shownWindow<Form2>();
        QCOMPARE(caption(f, QStringLiteral("Label1(0)")), QStringLiteral("全角５文字"));
        QCOMPARE(caption(f, QStringLiteral("Label1(2)")), QStringLiteral("say \"hi\""));
        QCOMPARE(caption(f, QStringLiteral("Label1(3)")), QStringLiteral("テスト"));
        QCOMPARE(caption(f, QStringLiteral("Label2(9)")), QStringLiteral("4"));
        f->close();
        QCOMPARE(testing::readFile(QStringLiteral("score.dat")), file);
        QVERIFY(!QFile::exists(QStringLiteral("score.dat.bak")));
    }

    void aQualifyingGamePlaysItsSoundThenAsksForANameAndEntersIt() {
        Session s;
        QStringList offered;
        QStringList waAtPrompt;
        QString tableAtPrompt;
        QString readAsOneRun;  // what Orca reads as the line: the text over its attributes' run
        testing::whenModal([&](QWidget* dialog) {
            auto* box = qobject_cast<QInputDialog*>(dialog);
            QVERIFY(box);
            offered << box->textValue();
            QAccessibleTextInterface* field =
                QAccessible::queryAccessibleInterface(box->findChild<QLineEdit*>())
                    ->textInterface();
            int from = -1;
            int to = -1;
            field->attributes(field->characterCount() - 1, &from, &to);
            readAsOneRun = field->text(from, to);
            waAtPrompt = s.waCommands();
            tableAtPrompt = s.label(QStringLiteral("Label6"))->text() + QLatin1Char(' ') +
                            s.label(QStringLiteral("Label7"))->text();
            QVERIFY(!s.form->isEnabled());
            QCOMPARE(box->windowTitle(), QStringLiteral("おめでとう！ Top10へ名前の登録です。"));
            QCOMPARE(box->labelText(),
                     QStringLiteral("10文字（全角５文字）以内で入力してください。"));
            box->setTextValue(QStringLiteral("ミナミ"));
            box->accept();
        });
        s.endGameWithCountOne();
        QCOMPARE(waAtPrompt, (QStringList{"Open", "Prev", "Play"}));
        QCOMPARE(s.countShownAtCommand.at(s.commands.indexOf(QStringLiteral("MMControl2 Prev"))),
                 QStringLiteral("1"));  // the table finished before the ranking sound
        QCOMPARE(tableAtPrompt,
                 QStringLiteral("1 ＧＡＭＥ　ＯＶＥＲ・・・"));  // the game's end shown
        QCOMPARE(offered, QStringList{"Player_001"});
        QCOMPARE(readAsOneRun, QStringLiteral("Player_001"));
        Form2* f = testing::shownWindow<Form2>();
        QVERIFY(f);
        QCOMPARE(caption(f, QStringLiteral("Label1(1)")), QStringLiteral("ミナミ"));
        QCOMPARE(caption(f, QStringLiteral("Label2(1)")), QStringLiteral(" 1"));
        QCOMPARE(caption(f, QStringLiteral("Label1(9)")), QStringLiteral("MMM"));
        QCOMPARE(testing::announced(f),
                 QStringLiteral("登録しました。2位 ミナミ 1。ランキング 1位 XYZ 50、2位 ミナミ 1、"
                                "3位 AAA 0、4位 BBB 0、5位 CCC 0、6位 VVV 0、7位 WWW 0、8位 GGG 0、"
                                "9位 JJJ 0、10位 MMM 0"));
        f->close();
        QVERIFY(s.form->isEnabled());
        QCOMPARE(s.form->focusWidget(), s.slot(0));  // the keys find the table again
        QCOMPARE(testing::readFile(QStringLiteral("score.dat")).left(20),
                 QByteArray("\"XYZ\",50\r\n\"\x83\x7e\x83\x69\x83\x7e\",1"));
    }

    // A key pressed before the prompt came (a digit, an Enter) is not the prompt's; one pressed
    // after it is.
    void keysPressedBeforeThePromptAreNotItsOwn() {
        Session s;
        QString typed;
        testing::whenModal([&](QWidget* dialog) {
            auto* box = qobject_cast<QInputDialog*>(dialog);
            QVERIFY(box);
            auto* edit = box->findChild<QLineEdit*>();
            edit->setText({});
            const auto now = static_cast<quint64>(QDeadlineTimer::current().deadline());
            for (const auto& [key, at] :
                 {std::pair{Qt::Key_Return, now - 1000}, std::pair{Qt::Key_2, now - 1000},
                  std::pair{Qt::Key_3, now + 1000}}) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier,
                                key == Qt::Key_Return ? QString() : QKeySequence(key).toString());
                press.setTimestamp(at);
                QApplication::sendEvent(edit, &press);
            }
            typed = box->textValue();
            box->setTextValue(QStringLiteral("N"));
            box->accept();
        });
        s.endGameWithCountOne();
        QCOMPARE(typed, QStringLiteral("3"));
    }

    void theNameIsAskedForAgainUntilItFitsTenBytes() {
        Session s;
        QStringList offered;
        answerNamePrompts({"<cancel>", "", "ABCDEFGHIJK", "六文字の名前", "全角５文字"}, &offered);
        s.endGameWithCountOne();
        QCOMPARE(offered.size(), 5);
        QCOMPARE(offered.first(), QStringLiteral("Player_001"));
        QCOMPARE(offered.last(), QStringLiteral("Player_001"));
        QCOMPARE(caption(testing::shownWindow<Form2>(), QStringLiteral("Label1(1)")),
                 QStringLiteral("全角５文字"));
    }

    void aGameEqualToTheTenthScoreIsNotEnteredAndLeavesTheFileAlone() {
        Session s;
        QByteArray file = testing::kDefaultScoreFile;
        file.replace("\"QQQ\",0", "\"QQQ\",1");
        QVERIFY(testing::writeFile(QStringLiteral("score.dat"), file));
        s.endGameWithCountOne();
        QVERIFY(!testing::shownWindow<Form2>());
        QVERIFY(s.form->isEnabled());
        QCOMPARE(s.waCommands(), QStringList{"Open"});
        QCOMPARE(testing::readFile(QStringLiteral("score.dat")), file);
    }

    void clearAsksFirstAndPutsTheDefaultTableInPlace() {
        Session s;
        QByteArray file = testing::kDefaultScoreFile;
        file.replace("\"XYZ\",50", "\"TOP\",40");
        QVERIFY(testing::writeFile(QStringLiteral("score.dat"), file));
        s.form->mnuGameRanking_Click();
        Form2* f = testing::shownWindow<Form2>();
        auto* clear = f->findChild<QPushButton*>(QStringLiteral("Command1"));
        const QString opened = testing::announced(f);
        QVERIFY2(opened.startsWith(QStringLiteral("ランキング 1位 TOP 40、2位 AAA 0、")) &&
                     opened.endsWith(QStringLiteral("、10位 QQQ 0")),
                 qPrintable(opened));

        QString question;
        testing::whenModal([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            question = box->text();
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
            box->button(QMessageBox::No)->click();
        });
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(question, QStringLiteral("ランキングをクリアしますか？"));
        QCOMPARE(caption(f, QStringLiteral("Label1(0)")), QStringLiteral("TOP"));
        QCOMPARE(testing::announced(f), opened);

        testing::whenModal([](QWidget* dialog) {
            qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(caption(f, QStringLiteral("Label1(0)")), QStringLiteral("XYZ"));
        QCOMPARE(caption(f, QStringLiteral("Label2(0)")), QStringLiteral("50"));
        QCOMPARE(testing::announced(f),
                 QString(opened).replace(QStringLiteral("TOP 40"), QStringLiteral("XYZ 50")));
        f->close();
        QCOMPARE(testing::readFile(QStringLiteral("score.dat")), testing::kDefaultScoreFile);
    }

    // Told at the entry's save, before the ranking shows; its close fails alike and is not told
    // again; the next opening's close is.
    void aSaveThatFailsSaysSoAndTheGameGoesOn() {
        Session s;
        QVERIFY(QDir().mkdir(QStringLiteral("score.dat")));  // a folder where the file should be
        QStringList warnings;
        const auto noteWarning = [&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            warnings << box->text();
            QCOMPARE(box->icon(), QMessageBox::Warning);
            box->accept();
        };
        testing::whenModal([&](QWidget* prompt) {
            qobject_cast<QInputDialog*>(prompt)->accept();  // the name offered
            testing::whenModal(noteWarning);
        });
        s.endGameWithCountOne();
        QCOMPARE(warnings.size(), 1);
        testing::shownWindow<Form2>()->close();
        s.form->mnuGameRanking_Click();
        testing::whenModal(noteWarning);
        testing::shownWindow<Form2>()->close();
        QCOMPARE(warnings.size(), 2);
        QVERIFY(warnings.last().contains(QStringLiteral("score.dat")));
        QVERIFY(warnings.last().contains(QStringLiteral("保存できませんでした")));
        QVERIFY(s.form->isEnabled());
    }
};

QTEST_MAIN(TestForm2RankingWindow)
#include "test_form2_ranking_window.moc"
