// Choosing between a picture and its @2x twin for the screen's pixel ratio.
#include <gtest/gtest.h>

#include <QFile>

#include "assets/picture_loader.h"

using troven::assets::cardFacePath;
using troven::assets::loadPicture;

TEST(PictureLoader, TakesTheTwinOnlyOnAScaledScreen) {
    const QPixmap plain = loadPicture(":/cards/back.png", 1.0);
    EXPECT_EQ(plain.size(), QSize(48, 68));
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);

    for (qreal ratio : {1.5, 2.0, 3.0}) {
        const QPixmap sharp = loadPicture(":/cards/back.png", ratio);
        EXPECT_EQ(sharp.size(), QSize(96, 136)) << ratio;
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << ratio;
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(48, 68)) << ratio;
    }
}

TEST(PictureLoader, FallsBackToThePlainPictureWithoutATwin) {
    const QPixmap icon = loadPicture(":/icon/troven-48.png", 2.0);
    EXPECT_EQ(icon.size(), QSize(48, 48));
    EXPECT_EQ(icon.devicePixelRatio(), 1.0);
    EXPECT_TRUE(loadPicture(":/no/such.png", 2.0).isNull());
}

TEST(PictureLoader, CardFacePathsNameTheFiftyTwoFaces) {
    EXPECT_EQ(cardFacePath(7), ":/cards/face_07.png");
    EXPECT_EQ(cardFacePath(51), ":/cards/face_51.png");
    for (int card = 0; card < 52; ++card) {
        EXPECT_TRUE(QFile::exists(cardFacePath(card))) << card;
    }
}
