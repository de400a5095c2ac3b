#include <gtest/gtest.h>

#include "ranking/cp932.h"
#include "score_dir.h"

namespace troven {
namespace {

TEST(Cp932, EncodesDoubleByteCharactersAndTheWindowsExtensions) {
    EXPECT_EQ(cp932::encode(u"全角５文字").bytes, testing::kZenkaku5);
    EXPECT_EQ(cp932::encode(u"～①髙\\").bytes, "\x81\x60\x87\x40\xFB\xFC\\");
    EXPECT_EQ(cp932::encode(u"Player_001").bytes, "Player_001");
    EXPECT_TRUE(cp932::encode(u"全角５文字").complete());
}

TEST(Cp932, ReportsEveryCharacterItCannotEncode) {
    const cp932::Encoded encoded = cp932::encode(u"aé😀b");
    EXPECT_EQ(encoded.bytes, "ab");
    EXPECT_EQ(encoded.unencodable, u"é😀");
    EXPECT_FALSE(encoded.complete());
}

TEST(Cp932, DecodesValidBytesAndReplacesInvalidOnes) {
    EXPECT_EQ(cp932::decode(testing::kZenkaku5), u"全角５文字");
    EXPECT_EQ(cp932::decode("\x81\x60\x87\x40\xFB\xFC\\"), u"～①髙\\");
    // A lead byte with a bad second byte, a byte that is never valid, a lead byte at the end.
    EXPECT_EQ(cp932::decode("A\x81 B\xFD"
                            "C\x82"),
              u"A\uFFFD B\uFFFDC\uFFFD");
    EXPECT_EQ(cp932::decode(""), u"");
}

TEST(Cp932, NeverReadsPastTheEndOfItsInput) {
    const QByteArray buffer = "\x82\xA0";  // "あ"; only its lead byte is handed over
    EXPECT_EQ(cp932::decode(QByteArrayView(buffer.constData(), 1)), u"\uFFFD");
}

}  // namespace
}  // namespace troven
