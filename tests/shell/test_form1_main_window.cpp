#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "assets/picture_loader.h"
#include "decks.h"
#include "looks/fonts.h"
#include "main_window_table.h"
#include "modal_driver.h"
#include "program_facts.h"
#include "widgets/picture_box_widget.h"
#include "widgets/tracker_panel.h"

using namespace troven;

namespace {

// The main window with a ranking no game can enter, so that no name prompt stops these tests.
struct Table : testing::MainWindowTable {
    explicit Table(const std::array<Card, kDeckSize>& deck = testing::winningDeck())
        : MainWindowTable(deck, QByteArray("\"TOP\",47\r\n").repeated(kPlaces)) {}
    QWidget* table() const { return child<QWidget>(QStringLiteral("table")); }
    QRect placeOf(QWidget* w) const { return QRect(w->mapTo(table(), QPoint(0, 0)), w->size()); }
};

// A desktop whose window background is not white, while it lives, so that it shows where the
// tracker uses it.
const QColor kDesktopBase(250, 240, 230);
struct TintedDesktop {
    TintedDesktop() {
        QPalette tinted = standard;
        tinted.setColor(QPalette::Base, kDesktopBase);
        QGuiApplication::setPalette(tinted);
    }
    ~TintedDesktop() { QGuiApplication::setPalette(standard); }
    const QPalette standard = QGuiApplication::palette();
};

QImage imageOf(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); }
QImage resourceImage(const QString& path) { return imageOf(QPixmap(path)); }

// The picture a player sees for a card a screen reader names ("ハートの7", "裏向きのカード"),
// read as a player would; a null image for a name that is no card.
QImage pictureNamed(const QString& name) {
    static const QStringList suits{"スペード", "ハート", "クラブ", "ダイヤ"};
    static const QStringList ranks{"A", "2", "3",  "4", "5", "6", "7",
                                   "8", "9", "10", "J", "Q", "K"};
    if (name == QStringLiteral("裏向きのカード"))
        return resourceImage(QStringLiteral(":/cards/back.png"));
    const QStringList parts = name.split(u'の');
    const auto suit = parts.size() == 2 ? suits.indexOf(parts[0]) : -1;
    const auto rank = parts.size() == 2 ? ranks.indexOf(parts[1]) : -1;
    if (suit < 0 || rank < 0) return {};
    return resourceImage(assets::cardFacePath(cardOf(int(suit), int(rank))));
}

// What a screen reader is told of the table but the table does not show: each slot's card and
// whether it may be played, the pile's card, the count, and the last play's announcement.
// Empty when all agree.
QString spokenButNotShown(const Table& t) {
    const auto said = [](QWidget* w, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(w)->text(what);
    };
    QStringList selectable;
    for (int k = 0; k < kHandSize; ++k) {
        PictureBoxWidget* slot = t.slot(k);
        const QString shownMark = t.label(QStringLiteral("Label5(%1)").arg(k))->text();
        if (!slot->isVisible()) continue;
        if (!shownMark.isEmpty()) selectable << QStringLiteral("手札%1").arg(k + 1);
        const QString name = said(slot, QAccessible::Name);
        const QString prefix = QStringLiteral("手札%1 ").arg(k + 1);
        if (!name.startsWith(prefix) ||
            pictureNamed(name.mid(prefix.size())) != imageOf(slot->picture()))
            return QStringLiteral("slot %1 is said to hold %2").arg(k + 1).arg(name);
        if (said(slot, QAccessible::Description) != (shownMark.isEmpty() ? "選択不可" : "選択可能"))
            return QStringLiteral("slot %1 shows \"%2\" but is said to be %3")
                .arg(k + 1)
                .arg(shownMark, said(slot, QAccessible::Description));
    }
    auto* pile = t.child<PictureBoxWidget>(QStringLiteral("Picture3"));
    const QString pileName = said(pile, QAccessible::Name);
    if (pile->isVisible() && pictureNamed(pileName.mid(3)) != imageOf(pile->picture()))
        return QStringLiteral("the pile is said to be %1").arg(pileName);
    const QString count = t.label(QStringLiteral("Label6"))->text();
    if (said(t.label(QStringLiteral("Label6")), QAccessible::Name) !=
        QStringLiteral("カウント ") + count)
        return QStringLiteral("the count %1 is said as %2")
            .arg(count, said(t.label(QStringLiteral("Label6")), QAccessible::Name));

    static const QRegularExpression play(
        QStringLiteral("^(.+)を出しました。手札(\\d) (.+)。カウント (\\d+)(?:。(?!選択可能 "
                       ")[^。]*)?(?:。選択可能 (.*))?$"));
    const QString announcement = testing::announced(t.form.get());
    const auto m = play.match(announcement);
    if (!m.hasMatch()) return QStringLiteral("the play was announced as %1").arg(announcement);
    PictureBoxWidget* played = t.slot(m.captured(2).toInt() - 1);
    const bool emptied = m.captured(3) == QStringLiteral("空き");
    if (pictureNamed(m.captured(1)) != imageOf(pile->picture()) || emptied == played->isVisible() ||
        (!emptied && pictureNamed(m.captured(3)) != imageOf(played->picture())) ||
        m.captured(4) != count || m.captured(5) != selectable.join(u'、'))
        return QStringLiteral("the play was announced as %1").arg(announcement);
    return {};
}

}  // namespace

class TestForm1MainWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { fonts::installSubstitutes(); }

    void theWindowIsAFixedTableOfTheLaidOutSize() {
        Table t;
        QVERIFY(t.open());
        QCOMPARE(t.table()->size(), QSize(410, 385));
        QCOMPARE(t.table()->y(), t.form->menuBar()->height());
        QCOMPARE(t.form->minimumSize(), t.form->maximumSize());
        const Qt::WindowFlags flags = t.form->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(t.form->windowTitle(), QStringLiteral("THE  TROVEN"));
        QList<QSize> iconSizes;
        for (int size : facts::kIconSizes) iconSizes << QSize(size, size);
        QCOMPARE(t.form->windowIcon().availableSizes(), iconSizes);
        QCOMPARE(t.table()->palette().color(QPalette::Window), QColor(0, 128, 0));
    }

    void everyControlStandsAtItsPlaceWithItsLook_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("tracker") << "Picture5" << QRect(16, 16, 369, 105);
        QTest::newRow("count frame") << "Picture7" << QRect(48, 144, 73, 57);
        QTest::newRow("count") << "Label6" << QRect(50, 146, 65, 49);
        QTest::newRow("message") << "Label7" << QRect(56, 336, 297, 33);
        for (int k = 0; k < 5; ++k) {
            QTest::addRow("slot %d", k)
                << QStringLiteral("Picture2(%1)").arg(k) << QRect(16 + 80 * k, 224, 50, 70);
            QTest::addRow("mark %d", k)
                << QStringLiteral("Label5(%1)").arg(k) << QRect(8 + 80 * k, 304, 73, 17);
        }
        // Inside the tracker's 2-pixel sunken border.
        QTest::newRow("A of spades") << "Label1(0)" << QRect(16 + 2 + 24, 16 + 2, 25, 25);
        QTest::newRow("K of diamonds")
            << "Label4(12)" << QRect(16 + 2 + 24 + 288, 16 + 2 + 72, 25, 25);
        QTest::newRow("right heart") << "Image2(1)" << QRect(16 + 2 + 336, 16 + 2 + 24, 24, 24);
    }
    void everyControlStandsAtItsPlaceWithItsLook() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        Table t;
        QVERIFY(t.form->Form_Load());
        QCOMPARE(t.placeOf(t.child<QWidget>(name)), place);
    }

    void labelsUseTheLaidOutColoursAndAJapaneseFace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("fore");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("count") << "Label6" << QColor(Qt::white) << QColor(Qt::black) << 36.0 << true
                               << false;
        QTest::newRow("mark") << "Label5(2)" << QColor(255, 255, 0) << QColor(0, 128, 0) << 9.0
                              << false << false;
        QTest::newRow("message") << "Label7" << QColor(255, 128, 0) << QColor(0, 128, 0) << 20.25
                                 << true << true;
        QTest::newRow("spade") << "Label1(3)" << QColor(Qt::black) << QColor(Qt::white) << 18.0
                               << true << false;
        QTest::newRow("heart") << "Label2(3)" << QColor(255, 0, 0) << QColor(Qt::white) << 18.0
                               << true << false;
    }
    void labelsUseTheLaidOutColoursAndAJapaneseFace() {
        QFETCH(QString, name);
        QFETCH(QColor, fore);
        QFETCH(QColor, back);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        Table t;
        QLabel* l = t.label(name);
        QCOMPARE(l->palette().color(QPalette::WindowText), fore);
        QCOMPARE(l->palette().color(QPalette::Window), back);
        QCOMPARE(l->palette().color(QPalette::Disabled, QPalette::WindowText), fore);
        QVERIFY(l->autoFillBackground());
        QCOMPARE(l->alignment(), Qt::AlignCenter);
        const QFontInfo font(l->font());
        QCOMPARE(font.family(), QStringLiteral("IPAPGothic"));
        QCOMPARE(l->font().pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.italic(), italic);
    }

    void theMenuHoldsItsFiveEntriesInOrder() {
        Table t;
        const QList<QAction*> bar = t.form->menuBar()->actions();
        QCOMPARE(bar.size(), 1);
        QCOMPARE(bar[0]->text(), QStringLiteral("ゲーム(&G)"));
        QStringList entries;
        for (QAction* a : bar[0]->menu()->actions()) {
            entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
            QVERIFY(a->isVisible() && a->isEnabled() && !a->isCheckable() &&
                    a->shortcut().isEmpty());
        }
        QCOMPARE(entries,
                 (QStringList{"ニューゲーム(&N)", "-", "ランキング(&R)", "-", "終了(&E)"}));
    }

    void altGOpensTheMenuAndNChoosesNewGame() {
        Table t;
        QVERIFY(t.open());
        t.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        QTest::keyClick(t.form.get(), Qt::Key_G, Qt::AltModifier);
        QMenu* menu = t.form->menuBar()->actions().first()->menu();
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_N);
        QTRY_COMPARE(t.label(QStringLiteral("Label7"))->text(), QStringLiteral("GOOD LUCK!"));
    }

    void loadingShowsCardBacksHidesThePileAndOpensBothDevices() {
        Table t;
        QVERIFY(t.open());
        const QImage back = resourceImage(QStringLiteral(":/cards/back.png"));
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(imageOf(t.slot(k)->picture()), back);
            QVERIFY(t.slot(k)->isVisible());
        }
        QVERIFY(!t.child<QWidget>(QStringLiteral("Picture3"))->isVisible());
        QCOMPARE(t.commands, (QStringList{"MMControl1 Open", "MMControl2 Open"}));
        QCOMPARE(t.child<MMControl>(QStringLiteral("MMControl1"))->fileName(),
                 QStringLiteral("card.wav"));
        QCOMPARE(t.child<MMControl>(QStringLiteral("MMControl2"))->fileName(),
                 QStringLiteral("wa.wav"));
        // No wa.wav in the folder: the game's own.
        QCOMPARE(t.child<MMControl>(QStringLiteral("MMControl2"))->source(),
                 QStringLiteral(":/sounds/wa.wav"));
        QVERIFY(testing::offCentre(t.form.get()).manhattanLength() <= 8);
    }

    void aClickPlaysTheCardAndTheWindowShowsTheGame() {
        Table t;
        QVERIFY(t.open());
        t.form->mnuGameNew_Click();
        const Card played = t.form->game().state().Hand[0];
        t.commands.clear();
        t.countShownAtCommand.clear();

        QTest::mouseClick(t.slot(0), Qt::LeftButton);
        QCOMPARE(t.form->game().state().DeckPos, 6);
        // The card sound comes with the play, before the table shows it.
        QCOMPARE(t.commands, (QStringList{"MMControl1 Prev", "MMControl1 Play"}));
        QCOMPARE(t.countShownAtCommand, (QStringList{"0", "0"}));

        QCOMPARE(t.label(QStringLiteral("Label6"))->text(), QStringLiteral("1"));
        QCOMPARE(t.label(QStringLiteral("Label7"))->text(), QStringLiteral("Select a Card"));
        auto* pile = t.child<PictureBoxWidget>(QStringLiteral("Picture3"));
        QVERIFY(pile->isVisible());
        QCOMPARE(pile->size(), QSize(50, 70));
        QCOMPARE(imageOf(pile->picture()), resourceImage(assets::cardFacePath(played)));
        const Card drawn = t.form->game().state().Hand[0];
        QCOMPARE(imageOf(t.slot(0)->picture()), resourceImage(assets::cardFacePath(drawn)));

        // A quick second play starts the sound over, still sounding or not.
        QTest::mouseClick(t.slot(0), Qt::LeftButton);
        QCOMPARE(t.commands.sliced(2), (QStringList{"MMControl1 Prev", "MMControl1 Play"}));
    }

    // Each place a card can be in, with and without a match for the card played last, after
    // the ace of spades, the 2 of spades and the 2 of diamonds were played (the last one was the
    // 2 of diamonds); "created" is the tracker before the first game. A screen reader hears the
    // place as the label's description.
    void everyTrackerStateHasItsCaptionColoursAndDescription_data() {
        const QColor black(Qt::black), red(255, 0, 0), blue(0, 0, 255), white(Qt::white);
        const QColor pink(255, 192, 255), desktop = kDesktopBase;
        const QString toCome = QStringLiteral("まだ出ていない");
        const QString inHand = QStringLiteral("手札にある");
        const QString played = QStringLiteral("出したカード");
        const QString matching = QStringLiteral("、最後のカードと同じマークか数字");
        QTest::addColumn<bool>("created");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("fore");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* what, bool created, const char* name, const char* caption,
                            const QColor& fore, const QColor& back, const QString& description) {
            QTest::newRow(what) << created << QString::fromLatin1(name)
                                << QString::fromLatin1(caption) << fore << back << description;
        };
        row("created, spade", true, "Label1(8)", "9", black, white, toCome);
        row("created, heart", true, "Label2(12)", "K", red, white, toCome);
        row("to come", false, "Label2(5)", "6", red, desktop, toCome);
        row("to come, black", false, "Label3(5)", "6", black, desktop, toCome);
        row("to come, matching", false, "Label4(4)", "5", red, pink, toCome + matching);
        row("to come, black, matching", false, "Label3(1)", "2", black, pink, toCome + matching);
        row("in hand", false, "Label1(2)", "3", blue, desktop, inHand);
        row("in hand, matching", false, "Label4(3)", "4", blue, pink, inHand + matching);
        row("played", false, "Label1(0)", "", blue, desktop, played);
        row("played, matching", false, "Label1(1)", "", blue, pink, played + matching);
        row("played last", false, "Label4(1)", "", blue, desktop, played);
    }
    void everyTrackerStateHasItsCaptionColoursAndDescription() {
        QFETCH(bool, created);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QColor, fore);
        QFETCH(QColor, back);
        QFETCH(QString, description);
        const TintedDesktop tinted;
        Table t;
        QVERIFY(t.open());
        if (!created) {
            t.form->mnuGameNew_Click();
            for (int k : {0, 0, 3}) QTest::mouseClick(t.slot(k), Qt::LeftButton);
            QCOMPARE(t.form->game().state().PlayedCard, cardOf(3, 1));
        }
        QLabel* l = t.label(name);
        QCOMPARE(l->text(), caption);
        QCOMPARE(l->palette().color(QPalette::WindowText), fore);
        QCOMPARE(l->palette().color(QPalette::Window), back);
        QCOMPARE(QAccessible::queryAccessibleInterface(l)->text(QAccessible::Description),
                 description);
    }

    // A slot that may not be played stays enabled, so that the keyboard can reach it.
    void unplayableSlotsIgnoreClicks() {
        Table t;
        QVERIFY(t.open());
        QTest::mouseClick(t.slot(1), Qt::LeftButton);  // before any deal
        QVERIFY(t.commands.count() == 2);              // the two Opens only
        t.form->mnuGameNew_Click();
        QTest::mouseClick(t.slot(0), Qt::LeftButton);  // A of spades; the diamonds do not match
        QVERIFY(!t.form->game().canPlay(1) && t.slot(1)->isEnabled());
        QCOMPARE(t.label(QStringLiteral("Label5(1)"))->text(), QString());
        const int deckPos = t.form->game().state().DeckPos;
        QTest::mouseClick(t.slot(1), Qt::LeftButton);
        QCOMPARE(t.form->game().state().DeckPos, deckPos);
        QCOMPARE(t.count(QStringLiteral("MMControl1 Play")), 1);
    }

    // As with a button, a press plays only when it is released over the same card.
    void aPressPlaysOnlyWhenReleasedOnTheCard() {
        Table t;
        QVERIFY(t.open());
        t.form->mnuGameNew_Click();
        QTest::mousePress(t.slot(0), Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseRelease(t.slot(0), Qt::LeftButton, {}, QPoint(50, 35));  // just beside it
        QCOMPARE(t.form->game().state().DeckPos, 5);
        QTest::mousePress(t.slot(0), Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseRelease(t.slot(0), Qt::LeftButton, {}, QPoint(49, 69));  // its last pixel
        QCOMPARE(t.form->game().state().DeckPos, 6);
    }

    void theKeysOneToFivePlayTheSlotsWhereAClickWould() {
        Table t;
        QVERIFY(t.open());
        QTest::keyClick(t.form.get(), Qt::Key_1);  // before any deal: nothing
        QCOMPARE(t.count(QStringLiteral("MMControl1 Play")), 0);
        t.form->mnuGameNew_Click();
        QTest::keyClick(t.form.get(), Qt::Key_1);  // the ace of spades, as a click would
        QCOMPARE(t.form->game().state().DeckPos, 6);
        QCOMPARE(t.count(QStringLiteral("MMControl1 Play")), 1);
        QVERIFY(!t.form->game().canPlay(1));
        QTest::keyClick(t.form.get(), Qt::Key_2);  // a slot that may not be played: nothing
        QCOMPARE(t.form->game().state().DeckPos, 6);
        t.form->setEnabled(false);  // as while the ranking window is loaded
        QTest::keyClick(t.form.get(), Qt::Key_1);
        QCOMPARE(t.form->game().state().DeckPos, 6);
        t.form->setEnabled(true);
        QTest::keyClick(t.form.get(), Qt::Key_1, Qt::AltModifier);  // not a play
        QCOMPARE(t.form->game().state().DeckPos, 6);
    }

    void aScreenReaderHearsTheTableInJapanese() {
        Table t;
        QVERIFY(t.open());
        const auto said = [&](const QString& name, QAccessible::Text what) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(t.child<QWidget>(name));
            return a ? a->text(what) : QStringLiteral("<none>");
        };
        QCOMPARE(said(QStringLiteral("Picture2(0)"), QAccessible::Name),
                 QStringLiteral("手札1 裏向きのカード"));
        QCOMPARE(said(QStringLiteral("Picture2(0)"), QAccessible::Description),
                 QStringLiteral("選択不可"));
        t.form->mnuGameNew_Click();
        QCOMPARE(said(QStringLiteral("Picture2(0)"), QAccessible::Name),
                 QStringLiteral("手札1 スペードのA"));
        QCOMPARE(said(QStringLiteral("Picture2(0)"), QAccessible::Description),
                 QStringLiteral("選択可能"));
        QCOMPARE(said(QStringLiteral("Label7"), QAccessible::Name), QStringLiteral("GOOD LUCK!"));
        QTest::mouseClick(t.slot(0), Qt::LeftButton);
        QCOMPARE(said(QStringLiteral("Label6"), QAccessible::Name), QStringLiteral("カウント 1"));
        QCOMPARE(said(QStringLiteral("Picture3"), QAccessible::Name),
                 QStringLiteral("場札 スペードのA"));
        QCOMPARE(said(QStringLiteral("Picture2(1)"), QAccessible::Name),
                 QStringLiteral("手札2 ダイヤの4"));
        QCOMPARE(said(QStringLiteral("Picture2(1)"), QAccessible::Description),
                 QStringLiteral("選択不可"));
        QCOMPARE(said(QStringLiteral("Label1(0)"), QAccessible::Name),
                 QStringLiteral("スペードのA"));
    }

    // Each event of a game as a screen reader is told it, in one notification: New Game, a play
    // that changes the message, one that does not, the play that empties a slot, the winning play
    // and the play that ends a game.
    void everyPlayIsAnnouncedInOneNotification() {
        Table t;
        QVERIFY(t.open());
        QCOMPARE(testing::announced(t.form.get()), QStringLiteral("<nothing>"));
        t.form->mnuGameNew_Click();
        QCOMPARE(testing::announced(t.form.get()), QStringLiteral("GOOD LUCK!"));
        QTest::mouseClick(t.slot(0), Qt::LeftButton);
        QCOMPARE(testing::announced(t.form.get()),
                 QStringLiteral("スペードのAを出しました。手札1 スペードの2。カウント 1。"
                                "Select a Card。選択可能 手札1、手札5"));
        QTest::keyClick(t.form.get(), Qt::Key_1);
        QCOMPARE(
            testing::announced(t.form.get()),
            QStringLiteral(
                "スペードの2を出しました。手札1 スペードの3。カウント 2。選択可能 手札1、手札4"));
        for (int n = 2; n < 48; ++n) QTest::keyClick(t.form.get(), Qt::Key_1);
        QCOMPARE(testing::announced(t.form.get()),
                 QStringLiteral("ダイヤの5を出しました。手札1 空き。カウント 47。"
                                "選択可能 手札2、手札3、手札4、手札5"));
        for (Qt::Key key : {Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5}) {
            QTest::keyClick(t.form.get(), key);
        }
        QCOMPARE(
            testing::announced(t.form.get()),
            QStringLiteral("ダイヤのAを出しました。手札5 空き。カウント 47。CONGRATULATION ! "));

        Table over(testing::onePlayDeck());
        QVERIFY(over.open());
        over.form->mnuGameNew_Click();
        QTest::keyClick(over.form.get(), Qt::Key_1);
        QCOMPARE(
            testing::announced(over.form.get()),
            QStringLiteral(
                "スペードのAを出しました。手札1 ダイヤの7。カウント 1。ＧＡＭＥ　ＯＶＥＲ・・・"));
    }

    // The keys and where they leave the focus, from New Game on: the five slots, the tracker
    // as one stop of the Tab order, the arrow keys inside each, and an emptied slot passed over.
    void theKeyboardReachesEverySlotAndEveryTrackerCell() {
        Table t;
        QVERIFY(t.open());
        t.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        t.form->mnuGameNew_Click();
        const auto focused = [] {
            QWidget* w = QApplication::focusWidget();
            return w ? w->objectName() : QStringLiteral("<none>");
        };
        QCOMPARE(focused(), QStringLiteral("Picture2(0)"));
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* then;
        } steps[] = {
            {Qt::Key_Tab, {}, "Picture2(1)"},
            {Qt::Key_Right, {}, "Picture2(2)"},
            {Qt::Key_Left, {}, "Picture2(1)"},
            {Qt::Key_Left, {}, "Picture2(0)"},
            {Qt::Key_Left, {}, "Picture2(0)"},
            {Qt::Key_Tab, Qt::ShiftModifier, "Label1(0)"},
            {Qt::Key_Left, {}, "Label1(0)"},
            {Qt::Key_Up, {}, "Label1(0)"},
            {Qt::Key_Right, {}, "Label1(1)"},
            {Qt::Key_Down, {}, "Label2(1)"},
            {Qt::Key_Down, {}, "Label3(1)"},
            {Qt::Key_Down, {}, "Label4(1)"},
            {Qt::Key_Down, {}, "Label4(1)"},
            {Qt::Key_Tab, {}, "Picture2(0)"},
            {Qt::Key_Tab, Qt::ShiftModifier, "Label4(1)"},
            {Qt::Key_Tab, Qt::ShiftModifier, "Picture2(4)"},
            {Qt::Key_Right, {}, "Picture2(4)"},
            {Qt::Key_Tab, {}, "Label4(1)"},
            {Qt::Key_Tab, {}, "Picture2(0)"},
        };
        for (const auto& step : steps) {
            QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
            QCOMPARE(focused(), QString::fromLatin1(step.then));
        }
        // Enter and Space play the focused slot; the slot emptied under the focus hands it on.
        for (int n = 0; n < 48; ++n) {
            QTest::keyClick(QApplication::focusWidget(), n % 2 ? Qt::Key_Space : Qt::Key_Return);
        }
        QCOMPARE(t.form->game().count(), 47);
        QVERIFY(!t.slot(0)->isVisible());
        QCOMPARE(focused(), QStringLiteral("Picture2(1)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(focused(), QStringLiteral("Picture2(1)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), QStringLiteral("Label4(1)"));
    }

    // A game played with the mouse looks as it always has: the focus mark shows only after a key.
    void theFocusMarkShowsOnlyToAPlayerOfTheKeys() {
        Table t;
        QVERIFY(t.open());
        t.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        t.form->mnuGameNew_Click();
        QVERIFY(t.slot(0)->hasFocus());
        QTest::mouseClick(t.slot(4), Qt::LeftButton);
        const QImage focusedAfterClick = imageOf(t.slot(0)->grab());
        t.slot(0)->clearFocus();
        QCOMPARE(imageOf(t.slot(0)->grab()), focusedAfterClick);  // no mark
        t.slot(0)->setFocus();
        // Keys the mouse player uses too: an access key, Enter in a box.
        QTest::keyClick(t.slot(0), Qt::Key_N, Qt::AltModifier);
        QDialog box;
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(imageOf(t.slot(0)->grab()), focusedAfterClick);
        QTest::keyClick(t.slot(0), Qt::Key_Shift);
        const QImage marked = imageOf(t.slot(0)->grab());
        QCOMPARE(marked.pixelColor(0, 0), QColor(255, 128, 0));
        QCOMPARE(marked.pixelColor(1, 35), QColor(255, 128, 0));
        QTest::mousePress(t.slot(4), Qt::LeftButton);
        QCOMPARE(imageOf(t.slot(0)->grab()), focusedAfterClick);
        QTest::mouseRelease(t.slot(4), Qt::LeftButton);
    }

    // A key that may not play its slot says the slot's state and changes nothing; one that may
    // plays.
    void aRefusedKeySaysTheSlotsState() {
        Table t;
        QVERIFY(t.open());
        QTest::keyClick(t.form.get(), Qt::Key_1);
        QCOMPARE(testing::announced(t.form.get()), QStringLiteral("選択不可"));
        QCOMPARE(t.count(QStringLiteral("MMControl1 Play")), 0);
        t.form->mnuGameNew_Click();
        QTest::keyClick(t.form.get(), Qt::Key_1);
        QCOMPARE(t.count(QStringLiteral("MMControl1 Play")), 1);
    }

    // Every card of the deck played, what a screen reader is told checked after each play
    // against what the table shows; New Game then restores the table and takes the focus back
    // from the tracker, the only stop left.
    void aFinishedGameShowsItsEndAndNewGameRestoresTheTable() {
        Table t;
        QVERIFY(t.open());
        t.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        t.form->mnuGameNew_Click();
        for (int n = 0; n < 52; ++n) {
            QTest::mouseClick(t.slot(std::max(0, n - 47)), Qt::LeftButton);
            const QString mismatch = spokenButNotShown(t);
            QVERIFY2(mismatch.isEmpty(), qPrintable(QStringLiteral("play %1: ").arg(n) + mismatch));
        }
        QCOMPARE(t.label(QStringLiteral("Label7"))->text(), QStringLiteral("CONGRATULATION ! "));
        QCOMPARE(t.label(QStringLiteral("Label6"))->text(), QStringLiteral("47"));
        for (int k = 0; k < 5; ++k) QVERIFY(!t.slot(k)->isVisible());
        QCOMPARE(t.count(QStringLiteral("MMControl1 Play")), 52);

        t.form->mnuGameNew_Click();
        for (int k = 0; k < 5; ++k) {
            QVERIFY(t.slot(k)->isVisible() && t.slot(k)->isEnabled());
            QCOMPARE(t.label(QStringLiteral("Label5(%1)").arg(k))->text(),
                     QStringLiteral("SELECTABLE"));
        }
        QVERIFY(!t.child<QWidget>(QStringLiteral("Picture3"))->isVisible());
        QCOMPARE(t.label(QStringLiteral("Label6"))->text(), QStringLiteral("0"));
        QCOMPARE(t.label(QStringLiteral("Label7"))->text(), QStringLiteral("GOOD LUCK!"));
        QCOMPARE(t.label(QStringLiteral("Label2(4)"))->text(), QStringLiteral("5"));
        QCOMPARE(QApplication::focusWidget(), t.slot(0));
    }

    void exitAndTheCloseBoxCloseEachDeviceOnceAndEndTheProgram_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("menu exit") << false;
        QTest::newRow("close box") << true;
    }
    void exitAndTheCloseBoxCloseEachDeviceOnceAndEndTheProgram() {
        QFETCH(bool, closeBox);
        Table t;
        QVERIFY(t.open());
        QSignalSpy ended(t.form.get(), &Form1::programEnded);
        if (closeBox) {
            QVERIFY(t.form->close());
        } else {
            t.form->mnuGameExit_Click();
        }
        QCOMPARE(ended.count(), 1);
        QCOMPARE(t.commands.sliced(2), (QStringList{"MMControl1 Close", "MMControl2 Close"}));
        // Nothing sounds once the devices are closed, nor at the program's end.
        t.form->mnuGameNew_Click();
        t.form->Picture2_Click(0);
        t.form.reset();
        QCOMPARE(t.commands.size(), 4);
    }

    void aDisabledWindowCannotBeClosed() {
        Table t;
        QVERIFY(t.open());
        t.form->setEnabled(false);
        QVERIFY(!t.form->close());
        QCOMPARE(t.count(QStringLiteral("MMControl1 Close")), 0);
    }

    void aSecondCopyIsRefusedWithAWarningAndOpensNoDevice() {
        Table t;
        PreviousInstance first(t.dir.filePath(QStringLiteral("lock")));
        QVERIFY(!first.isRunning());
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        testing::whenModal([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            box->accept();
        });
        QVERIFY(!t.form->Form_Load());
        QCOMPARE(text, QStringLiteral("すでに起動されています."));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::Ok);
        QVERIFY(t.commands.isEmpty());
    }
};

QTEST_MAIN(TestForm1MainWindow)
#include "test_form1_main_window.moc"
