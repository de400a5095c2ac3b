// The windows on screens of several scales at once (Qt's offscreen platform, configured with
// scaled_screens.json): pictures drawn for the scale of the screen a window is on, and the "10"
// captions whole in their labels.
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

#include "art/artwork.h"
#include "game/random_source.h"
#include "looks/fonts.h"
#include "platform/previous_instance.h"
#include "widgets/picture_box_widget.h"
#include "windows/form1_main_window.h"
#include "windows/form2_ranking_window.h"

using namespace troven;

namespace {

QScreen* screenOfRatio(qreal ratio) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio) return screen;
    }
    qFatal("no screen of ratio %g", ratio);
}

void moveTo(QWidget* window, qreal ratio) {
    window->setScreen(screenOfRatio(ratio));
    window->move(window->screen()->geometry().topLeft() + QPoint(50, 50));
    QCoreApplication::processEvents();
    QCOMPARE(window->devicePixelRatioF(), ratio);
}

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The box shows artwork drawn at ratio, set in the box unscaled: somewhere in its first two
// device pixels (its 1-pixel border is 1 to 2 device pixels wide), every pixel of the drawing
// that the border leaves visible appears as it was drawn.
void expectDrawnAt(PictureBoxWidget* box, art::Artwork artwork, qreal ratio) {
    const QImage drawn = rgb(art::drawArtwork(artwork, ratio));
    QCOMPARE(box->picture().devicePixelRatio(), ratio);
    QCOMPARE(rgb(box->picture().toImage()), drawn);
    const QImage shown = rgb(box->grab().toImage());
    const int inset = static_cast<int>(std::ceil(box->borderWidth() * ratio));
    const QRect visible(0, 0, drawn.width() - inset, drawn.height() - inset);
    bool found = false;
    for (int dy = 0; dy <= inset && !found; ++dy) {
        for (int dx = 0; dx <= inset && !found; ++dx) {
            found = shown.copy(visible.translated(dx, dy)) == drawn.copy(visible);
        }
    }
    QVERIFY2(found, qPrintable(box->objectName() + QStringLiteral(" at %1").arg(ratio)));
}

// No ink of the label's caption lies on the outermost logical pixel at its left or its right:
// the caption is drawn whole, and the neighbour that overlaps the last pixel hides none of it.
void expectCaptionClearOfItsSides(QLabel* label) {
    const QImage image = rgb(label->grab().toImage());
    const QRgb background = label->palette().color(QPalette::Window).rgb();
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == background) continue;
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    const qreal ratio = label->devicePixelRatioF();
    const QString where = label->objectName() + QStringLiteral(" at %1: ink in %2..%3 of %4")
                                                    .arg(ratio)
                                                    .arg(first)
                                                    .arg(last)
                                                    .arg(image.width());
    QVERIFY2(last >= 0, qPrintable(where));
    QVERIFY2(first >= std::ceil(ratio), qPrintable(where));
    QVERIFY2(last + 1 <= std::floor((label->width() - 1) * ratio), qPrintable(where));
}

}  // namespace

class TestScaledWindows : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        fonts::installSubstitutes();
        QCOMPARE(QGuiApplication::screens().size(), 7);
        QDir::setCurrent(dir.path());
    }

    void picturesAreDrawnForTheScaleOfTheScreenTheWindowIsOn() {
        PreviousInstance previous(dir.filePath(QStringLiteral("lock")));
        ClockSeededRandom random;
        Form1 form(previous, random);
        QVERIFY(form.Form_Load());
        form.show();
        for (qreal ratio : {1.5, 2.0, 1.5}) {  // and back: a moved window draws anew
            moveTo(&form, ratio);
            expectDrawnAt(form.findChild<PictureBoxWidget*>(QStringLiteral("Picture2(0)")),
                          art::Artwork::cardBack(), ratio);
            expectDrawnAt(form.findChild<PictureBoxWidget*>(QStringLiteral("Image2(1)")),
                          art::Artwork::suitSymbol(1), ratio);
        }
    }

    void tenIsWholeInTheTrackerAndTheRankingAtEveryScale() {
        PreviousInstance previous(dir.filePath(QStringLiteral("lock")));
        ClockSeededRandom random;
        Form1 main(previous, random);
        RankingWindowModel model(dir.filePath(QStringLiteral("score.dat")));
        Form2 ranking(model);
        main.show();
        ranking.show();
        for (QScreen* screen : QGuiApplication::screens()) {
            for (QWidget* window : std::initializer_list<QWidget*>{&main, &ranking}) {
                moveTo(window, screen->devicePixelRatio());
            }
            for (int suit = 1; suit <= 4; ++suit) {
                expectCaptionClearOfItsSides(
                    main.findChild<QLabel*>(QStringLiteral("Label%1(9)").arg(suit)));
            }
            expectCaptionClearOfItsSides(ranking.findChild<QLabel*>(QStringLiteral("Label3(9)")));
        }
    }

  private:
    QTemporaryDir dir;
};

QTEST_MAIN(TestScaledWindows)
#include "test_scaled_windows.moc"
