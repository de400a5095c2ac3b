// The pictures and sounds as a program linking troven_assets sees them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSet>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "art/artwork.h"
#include "program_facts.h"
#include "sample_values.h"
#include "wave/wave_file.h"

namespace {

struct Picture {
    QString path;
    QSize size;
};

QString cardFace(int card) { return QString::asprintf(":/cards/face_%02d.png", card); }

// Every picture that has a twin at twice the size beside it.
std::vector<Picture> picturesWithTwin() {
    std::vector<Picture> pictures;
    for (int card = 0; card < 52; ++card) {
        pictures.push_back({cardFace(card), QSize(48, 68)});
    }
    pictures.push_back({":/cards/back.png", QSize(48, 68)});
    for (const char* suit : {"spade", "heart", "club", "diamond"}) {
        pictures.push_back({QStringLiteral(":/suits/%1.png").arg(suit), QSize(24, 24)});
    }
    pictures.push_back({":/emblem.png", QSize(25, 25)});
    pictures.push_back({":/icon/troven-32.png", QSize(32, 32)});
    return pictures;
}

QString twinOf(const QString& path) { return QString(path).replace(".png", "@2x.png"); }

void expectOpaquePicture(const QString& path, QSize size) {
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << path.toStdString();
    EXPECT_EQ(image.size(), size) << path.toStdString();
    EXPECT_FALSE(image.hasAlphaChannel()) << path.toStdString();
}

// Pixels a viewer calls red: the colour of hearts and diamonds.
int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 180 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

TEST(AssetPictures, EveryPictureHasItsSizeAndATwinAtTwiceTheSize) {
    for (const Picture& picture : picturesWithTwin()) {
        expectOpaquePicture(picture.path, picture.size);
        expectOpaquePicture(twinOf(picture.path), picture.size * 2);
        // Qt reads the scale from the "@2x" in the name, so the twin lays out at 1x size.
        EXPECT_EQ(QImage(twinOf(picture.path)).devicePixelRatio(), 2.0);
    }
    for (int size : troven::facts::kIconSizes) {
        expectOpaquePicture(QStringLiteral(":/icon/troven-%1.png").arg(size), QSize(size, size));
    }
}

TEST(AssetPictures, CardFacesDifferAndOnlyHeartsAndDiamondsAreRed) {
    for (const QString& scale : {QString(".png"), QString("@2x.png")}) {
        QSet<QByteArray> faces;
        for (int card = 0; card < 52; ++card) {
            const QString path = QString(cardFace(card)).replace(".png", scale);
            const QImage face(path);
            faces.insert(
                QByteArray(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes()));
            const int suit = card / 13;
            if (suit == 1 || suit == 3) {
                EXPECT_GT(redPixels(face), 20) << path.toStdString();
            } else {
                EXPECT_EQ(redPixels(face), 0) << path.toStdString();
            }
        }
        EXPECT_EQ(faces.size(), 52);
    }
}

TEST(AssetPictures, ProgramIconKeepsToSixteenColours) {
    std::vector<QString> names{QStringLiteral("%1@2x").arg(troven::art::kIconDesignSize)};
    for (int size : troven::facts::kIconSizes) names.push_back(QString::number(size));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage icon = QImage(QStringLiteral(":/icon/troven-%1.png").arg(name))
                                .convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                colours.insert(icon.pixel(x, y));
            }
        }
        EXPECT_LE(colours.size(), 16);
        EXPECT_GE(colours.size(), 3);  // blue eye, outline and white ground at least
    }
}

// A sound the player can restart at any time: short, small, not clipped, without a click at
// either end, and padded with silence so that an output stopping a little early cuts no sound.
TEST(AssetSounds, BothSoundsAreShortCleanPcmEndingInSilence) {
    for (const char* path : {":/sounds/card.wav", ":/sounds/wa.wav"}) {
        SCOPED_TRACE(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_LT(bytes.size(), 100 * 1024);
        // Read as the program reads it.
        const std::optional<troven::WaveSound> wave = troven::parseWave(bytes);
        ASSERT_TRUE(wave.has_value());
        ASSERT_EQ(wave->format.sampleFormat(), troven::WaveFormat::Int16);
        EXPECT_EQ(wave->format.channelCount(), 1);
        const int rate = wave->format.sampleRate();
        ASSERT_TRUE(rate == 22050 || rate == 44100);
        const std::vector<std::int16_t> s = sampleValues(*wave);
        EXPECT_LT(s.size(), static_cast<std::size_t>(rate));

        const auto isSound = [](std::int16_t v) { return v != 0; };
        const auto first = std::find_if(s.begin(), s.end(), isSound);
        ASSERT_NE(first, s.end());
        const auto last = std::find_if(s.rbegin(), s.rend(), isSound);
        const auto silentTail = static_cast<std::size_t>(last - s.rbegin());
        EXPECT_GE(silentTail, static_cast<std::size_t>(0.3 * rate));

        const auto loudest = std::max_element(
            s.begin(), s.end(), [](auto a, auto b) { return std::abs(a) < std::abs(b); });
        EXPECT_GT(std::abs(*loudest), 8000);   // clearly audible
        EXPECT_LT(std::abs(*loudest), 30000);  // and not clipped
        // The first and last sounding samples are near zero: the sound fades in and out.
        EXPECT_LT(std::abs(*first), 1000);
        EXPECT_LT(std::abs(*last), 1000);

        long long sum = 0;
        for (std::int16_t v : s) {
            sum += v;
        }
        EXPECT_LT(std::abs(sum / static_cast<long long>(s.size())), 100);  // no DC offset
    }
}
