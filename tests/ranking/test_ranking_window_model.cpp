#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ranking/ranking_table.h"
#include "ranking/ranking_window_model.h"
#include "score_dir.h"

namespace troven {
namespace {

using testing::kDefaultScoreFile;
using testing::kZenkaku5;

using Rows = std::vector<std::pair<QByteArray, int>>;

QByteArray fileOf(const Rows& rows) {
    QByteArray bytes;
    for (const auto& [name, score] : rows) {
        bytes += '"' + name + "\"," + QByteArray::number(score) + "\r\n";
    }
    return bytes;
}

const Rows kDefaultRows = {{"XYZ", 50}, {"AAA", 0}, {"BBB", 0}, {"CCC", 0}, {"VVV", 0},
                           {"WWW", 0},  {"GGG", 0}, {"JJJ", 0}, {"MMM", 0}, {"QQQ", 0}};

class RankingWindowTest : public testing::ScoreDirTest {
  protected:
    void openFromMenu() {
        model.Form_Load(0);
        model.Form_Unload();
    }
    // A game's end: the window opens with the result and, if it awaits a name, the player gives
    // `name`. Returns whether a name was awaited.
    bool enterResult(int score, const QString& name) {
        model.Form_Load(score);
        const bool awaited = model.awaitsName();
        model.answerName(name);
        return awaited;
    }
    Rows ranking() const {
        Rows rows;
        for (const RankEntry& entry : model.Ranking()) rows.emplace_back(entry.Name, entry.Score);
        return rows;
    }
    std::vector<QString> scoreCaptions() const {
        return {model.table().scores.begin(), model.table().scores.end()};
    }

    RankingWindowModel model{path()};
};

// Saved as soon as the name is accepted, so that a session that ends before the window closes
// keeps it; the close writes the same bytes again.
TEST_F(RankingWindowTest, AnEntryShowsEveryScoreWithASignPositionAndIsSavedAtOnce) {
    write(kDefaultScoreFile);
    enterResult(51, "ME");
    EXPECT_EQ(scoreCaptions(),
              (std::vector<QString>{" 51", " 50", " 0", " 0", " 0", " 0", " 0", " 0", " 0", " 0"}));
    EXPECT_EQ(model.table().names[0], "ME");
    const QByteArray entered = read();
    EXPECT_TRUE(entered.startsWith("\"ME\",51\r\n\"XYZ\",50\r\n\"AAA\",0\r\n"));
    EXPECT_FALSE(entered.contains("QQQ"));

    ASSERT_TRUE(model.Form_Unload().ok());
    EXPECT_EQ(read(), entered);
}

// Ten results from 50 down to 1, three of them 30.
const Rows kSteps = {{"A", 50}, {"B", 30}, {"C", 30}, {"D", 30}, {"E", 20},
                     {"F", 10}, {"G", 5},  {"H", 3},  {"I", 2},  {"J", 1}};
// Out of order, as a file edited by hand may be: the second place is below the tenth.
const Rows kOutOfOrder = {{"A", 9}, {"B", 3}, {"C", 8}, {"D", 8}, {"E", 7},
                          {"F", 7}, {"G", 6}, {"H", 6}, {"I", 5}, {"J", 5}};
const Rows kNegativeTenth = {{"A", 9}, {"B", 8}, {"C", 7}, {"D", 6}, {"E", 5},
                             {"F", 4}, {"G", 3}, {"H", 2}, {"I", 1}, {"J", -3}};

struct EntryCase {
    const char* what;
    Rows file;
    int score;
    int position;  // where "ME" enters; -1: not at all
};
void PrintTo(const EntryCase& c, std::ostream* out) { *out << c.what; }

class EntryPositionTest : public RankingWindowTest,
                          public ::testing::WithParamInterface<EntryCase> {};

// A result enters only above the tenth score, below every equal score, and the tenth drops out.
TEST_P(EntryPositionTest, ResultGoesBelowEveryScoreItDoesNotBeat) {
    const EntryCase& c = GetParam();
    write(fileOf(c.file));
    EXPECT_EQ(enterResult(c.score, "ME"), c.position >= 0);
    Rows expected = c.file;
    if (c.position >= 0) {
        expected.insert(expected.begin() + c.position, {"ME", c.score});
        expected.pop_back();
    }
    EXPECT_EQ(ranking(), expected);
    if (c.position >= 0) return;
    EXPECT_EQ(model.table().scores[0], captionWithoutSign(c.file[0].second))
        << "captions as loaded, without a sign position";
    EXPECT_TRUE(model.Form_Unload().ok());
    EXPECT_EQ(read(), fileOf(c.file)) << "written back unchanged";
}

INSTANTIATE_TEST_SUITE_P(
    RankingWindow, EntryPositionTest,
    ::testing::Values(EntryCase{"AboveTheBest", kDefaultRows, 51, 0},
                      EntryCase{"AboveTheZeros", kDefaultRows, 1, 1},
                      EntryCase{"ZeroEqualToTheTenth", kDefaultRows, 0, -1},
                      EntryCase{"JustAboveEqualScores", kSteps, 31, 1},
                      EntryCase{"EqualToEqualScores", kSteps, 30, 4},
                      EntryCase{"JustAboveTheTenth", kSteps, 2, 9},
                      EntryCase{"EqualToTheTenth", kSteps, 1, -1},
                      EntryCase{"ZeroAboveANegativeTenth", kNegativeTenth, 0, 9},
                      EntryCase{"OutOfOrderAboveTheTenth", kOutOfOrder, 6, 1},
                      EntryCase{"OutOfOrderEqualToTheTenth", kOutOfOrder, 5, -1}),
    [](const auto& param) { return std::string(param.param.what); });

// Nothing is saved before the name is given: a refused answer changes nothing.
TEST_F(RankingWindowTest, TheEntryAwaitsAnAcceptableName) {
    model.Form_Load(5);  // no file yet: the default table
    for (const QString answer : {"", "ABCDEFGHIJK", "全角５文字全", "é", "名前\n"}) {
        model.answerName(answer);
        ASSERT_TRUE(model.awaitsName()) << answer.toStdString();
        EXPECT_EQ(model.offeredName(), "Player_001");
        EXPECT_EQ(model.Ranking()[1], (RankEntry{"", 5}));
        EXPECT_FALSE(exists("score.dat"));
    }
    model.answerName(u"ABCDEFGHIJ");
    EXPECT_FALSE(model.awaitsName());
    EXPECT_EQ(model.Ranking()[1], (RankEntry{"ABCDEFGHIJ", 5}));
    EXPECT_EQ(model.table().names[1], "ABCDEFGHIJ");
    EXPECT_TRUE(read().startsWith("\"XYZ\",50\r\n\"ABCDEFGHIJ\",5\r\n"));
    model.answerName(u"LATE");
    EXPECT_EQ(model.Ranking()[1].Name, "ABCDEFGHIJ") << "named once";
}

TEST(NameEntry, AcceptsOneToTenBytesOfCodePage932) {
    EXPECT_EQ(acceptedName(u"ABCDEFGHIJ"), "ABCDEFGHIJ");
    EXPECT_EQ(acceptedName(u"全角５文字"), kZenkaku5);
    EXPECT_EQ(acceptedName(u"全角５文AB"), kZenkaku5.first(8) + "AB");
    EXPECT_EQ(acceptedName(u"X"), "X");
    EXPECT_EQ(acceptedName(defaultPlayerName(255)), "Player_255");

    EXPECT_EQ(acceptedName(u""), std::nullopt);
    EXPECT_EQ(acceptedName(u"ABCDEFGHIJK"), std::nullopt);
    EXPECT_EQ(acceptedName(u"全角５文字全"), std::nullopt);
    EXPECT_EQ(acceptedName(u"é"), std::nullopt) << "code page 932 has no é: it could not be stored";
    EXPECT_EQ(acceptedName(u"a😀"), std::nullopt);
    for (const char16_t* lineBreak : {u"a\rb", u"a\nb"}) {
        EXPECT_EQ(acceptedName(lineBreak), std::nullopt) << "a line break would split the record";
    }
}

TEST_F(RankingWindowTest, DefaultNameCountsEveryOpeningOfTheRun) {
    openFromMenu();
    openFromMenu();
    model.Form_Load(5);
    EXPECT_EQ(model.offeredName(), "Player_003");
    EXPECT_EQ(model.OpenCount(), 3);
}

TEST_F(RankingWindowTest, The256thOpeningIsNumberedZeroAndItsNameIsAccepted) {
    for (int i = 0; i < 254; ++i) model.Form_Load(0);  // from the menu
    QStringList offered;
    for (int opening = 0; opening < 2; ++opening) {
        model.Form_Load(40);
        offered << model.offeredName();
        model.answerName(offered.back());
        EXPECT_FALSE(model.awaitsName());
        model.Form_Unload();
    }
    EXPECT_EQ(offered, (QStringList{"Player_255", "Player_000"}));
    EXPECT_EQ(model.OpenCount(), 0);
    EXPECT_EQ(model.Ranking()[1], (RankEntry{"Player_255", 40}));
    EXPECT_EQ(model.Ranking()[2], (RankEntry{"Player_000", 40}));
}

TEST_F(RankingWindowTest, ClearShowsTheDefaultTableAndWritesItOnlyOnClosing) {
    write(kDefaultScoreFile);
    enterResult(51, "ME");
    const Rows rankingBefore = ranking();

    const QByteArray savedEntry = read();
    model.clearTable();
    EXPECT_EQ(model.table(), DisplayedTable::defaults());
    EXPECT_EQ(ranking(), rankingBefore) << "Clear leaves Ranking alone";
    EXPECT_EQ(read(), savedEntry) << "and writes nothing before closing";

    write("\"OLD\",9\r\n");  // whatever the file holds now, closing saves the captions
    model.Form_Unload();
    EXPECT_EQ(read(), kDefaultScoreFile);
    openFromMenu();
    EXPECT_EQ(ranking(), kDefaultRows);
}

TEST_F(RankingWindowTest, FailedSaveIsReported) {
    const QString missing = path("gone/score.dat");
    RankingWindowModel window(missing);
    window.Form_Load(0);
    EXPECT_EQ(window.failureToTell(), "");
    const SaveResult result = window.Form_Unload();

    EXPECT_EQ(result.failure, SaveResult::Failure::CannotCreate);
    EXPECT_EQ(window.failureToTell(), saveFailureMessage(missing, result));
}

// The entry's save and the close's save may fail alike: the player is told once for one table in
// one opening, and again when the table changed or at another opening.
TEST_F(RankingWindowTest, ASaveFailureIsToldOnceForTheSameTable) {
    RankingWindowModel window(path("gone/score.dat"));
    const auto told = [&] { return !window.failureToTell().isEmpty(); };
    const auto open = [&](int newScore) {
        window.Form_Load(newScore);
        window.answerName(u"ME");
        return told();
    };
    const auto close = [&] {
        window.Form_Unload();
        return told();
    };
    EXPECT_TRUE(open(5)) << "the entry's save";
    EXPECT_FALSE(close()) << "the same failure for the same table";
    EXPECT_FALSE(open(0)) << "no entry, no save";
    EXPECT_TRUE(close()) << "another opening";
    EXPECT_TRUE(open(5));
    window.clearTable();
    EXPECT_TRUE(close()) << "the table changed";
}

}  // namespace
}  // namespace troven
