#include <gtest/gtest.h>

#include "ranking/score_file.h"
#include "score_dir.h"

namespace troven {
namespace {

class GameResultTest : public testing::ScoreDirTest {
  protected:
    bool judge(int count) { return entersRanking(count, path()); }
};

TEST_F(GameResultTest, OnlyACountAboveTheTenthScoreQualifies) {
    QByteArray file = testing::kDefaultScoreFile;
    file.replace("\"QQQ\",0", "\"QQQ\",12");
    write(file);

    EXPECT_FALSE(judge(12));
    EXPECT_TRUE(judge(13));
    EXPECT_EQ(read(), file);
    EXPECT_EQ(entries(), QStringList{"score.dat"});
}

TEST_F(GameResultTest, MissingOrShortFileComparesWithTheDefaultTenthScore) {
    EXPECT_FALSE(judge(0));
    EXPECT_TRUE(judge(1));
    EXPECT_TRUE(entries().isEmpty());

    write("\"A\",40\r\n\"B\",30\r\n");
    EXPECT_TRUE(judge(1));
}

}  // namespace
}  // namespace troven
