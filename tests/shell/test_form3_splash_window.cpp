#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "looks/fonts.h"
#include "shown_window.h"
#include "widgets/picture_box_widget.h"
#include "windows/form3_splash_window.h"

using troven::Form3;

class TestForm3SplashWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { troven::fonts::installSubstitutes(); }

    void isABorderlessCardFramedOnItsOutermostPixels() {
        auto* form = new Form3([] {});
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(form->size(), QSize(145, 89));
        QVERIFY(troven::testing::offCentre(form).manhattanLength() <= 1);
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form->windowTitle(), QStringLiteral("Form3"));

        const QImage image = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb frame = qRgb(0, 0, 0);
        for (int x = 0; x < 145; ++x) {
            QCOMPARE(image.pixel(x, 0), frame);
            QCOMPARE(image.pixel(x, 88), frame);
        }
        for (int y = 0; y < 89; ++y) {
            QCOMPARE(image.pixel(0, y), frame);
            QCOMPARE(image.pixel(144, y), frame);
        }
        QCOMPARE(image.pixel(1, 1), qRgb(255, 192, 128));
        QCOMPARE(image.pixel(143, 87), qRgb(255, 192, 128));
        delete form;
    }

    void showsTheTitleAndTheEmblemInPlace() {
        Form3 form([] {});
        auto* title = form.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(title);
        QCOMPARE(title->geometry(), QRect(16, 16, 113, 17));
        QCOMPARE(title->text(), QStringLiteral("THE TROVEN"));
        QCOMPARE(QFontInfo(title->font()).family(), QStringLiteral("IPAMincho"));
        QCOMPARE(title->font().pointSizeF(), 14.25);
        QVERIFY(title->font().bold());
        auto* emblem = form.findChild<troven::PictureBoxWidget*>(QStringLiteral("Picture1"));
        QVERIFY(emblem);
        QCOMPARE(emblem->geometry(), QRect(56, 48, 29, 29));
        QCOMPARE(emblem->picture().size(), QSize(25, 25));
    }

    // After its 1.5 seconds, or at once when it is closed before (Alt+F4, the window manager's
    // close): never early, late only by what a busy machine makes any timer wait, and once.
    void handsOverToTheMainWindowOnce_data() {
        QTest::addColumn<int>("closedAt");  // milliseconds after it came; -1: never closed
        QTest::newRow("its time is up") << -1;
        QTest::newRow("closed early") << 300;
    }
    void handsOverToTheMainWindowOnce() {
        QFETCH(int, closedAt);
        const int handedOverAt = closedAt >= 0 ? closedAt : 1500;
        QElapsedTimer clock;
        QList<qint64> handOvers;
        clock.start();
        QPointer<Form3> form = new Form3([&] { handOvers << clock.elapsed(); });
        form->Form_Load();
        form->show();
        QTest::qWait(handedOverAt - 200);
        QVERIFY(handOvers.isEmpty());
        if (closedAt >= 0) {
            QTest::qWait(200);
            form->close();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!handOvers.isEmpty(), 3000);
        QVERIFY2(handOvers[0] >= handedOverAt && handOvers[0] < handedOverAt + 1000,
                 qPrintable(QString::number(handOvers[0])));
        QTRY_VERIFY(form.isNull());  // the splash is gone for good
        QTest::qWait(Form3::kInterval + 200 - static_cast<int>(clock.elapsed()));
        QCOMPARE(handOvers.size(), 1);
    }
};

QTEST_MAIN(TestForm3SplashWindow)
#include "test_form3_splash_window.moc"
