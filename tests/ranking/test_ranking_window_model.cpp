#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ranking_table.h"
#include "ranking_window_model.h"
#include "score_dir.h"
#include "scripted_dialogs.h"

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
        model.Form_Load(dialogs, 0);
        model.Form_Unload(dialogs);
    }
    // A qualifying game end: the window opens with the result and the player gives `name`.
    void enterResult(int score, const QString& name) {
        dialogs.answers.push_back(name);
        model.Form_Load(dialogs, score);
    }
    Rows ranking() const {
        Rows rows;
        for (const RankEntry& entry : model.Ranking()) rows.emplace_back(entry.Name, entry.Score);
        return rows;
    }
    std::vector<QString> scoreCaptions() const {
        return {model.table().scores.begin(), model.table().scores.end()};
    }

    testing::ScriptedDialogs dialogs;
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

    ASSERT_TRUE(model.Form_Unload(dialogs).ok());
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
    enterResult(c.score, "ME");
    Rows expected = c.file;
    if (c.position >= 0) {
        expected.insert(expected.begin() + c.position, {"ME", c.score});
        expected.pop_back();
    }
    EXPECT_EQ(ranking(), expected);
    EXPECT_EQ(dialogs.prompts.size(), c.position >= 0 ? 1U : 0U);
    if (c.position >= 0) return;
    EXPECT_EQ(model.table().scores[0], captionWithoutSign(c.file[0].second))
        << "captions as loaded, without a sign position";
    EXPECT_TRUE(model.Form_Unload(dialogs).ok());
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

TEST_F(RankingWindowTest, NameIsAskedForUntilOneIsAcceptable) {
    dialogs.answers = {"", "", "ABCDEFGHIJK", "全角５文字全", "é", "名前\n", "ABCDEFGHIJ"};
    model.Form_Load(dialogs, 5);  // no file yet: the default table

    ASSERT_EQ(dialogs.prompts.size(), 7U);
    for (const auto& prompt : dialogs.prompts) {
        EXPECT_EQ(prompt.prompt, "10文字（全角５文字）以内で入力してください。");
        EXPECT_EQ(prompt.title, "おめでとう！ Top10へ名前の登録です。");
        EXPECT_EQ(prompt.defaultText, "Player_001");
    }
    EXPECT_EQ(model.Ranking()[1], (RankEntry{"ABCDEFGHIJ", 5}));
    EXPECT_EQ(model.table().names[1], "ABCDEFGHIJ");
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
    enterResult(5, "ME");
    ASSERT_EQ(dialogs.prompts.size(), 1U);
    EXPECT_EQ(dialogs.prompts[0].defaultText, "Player_003");
    EXPECT_EQ(model.OpenCount(), 3);
}

TEST_F(RankingWindowTest, The256thOpeningIsNumberedZeroAndItsNameIsAccepted) {
    for (int i = 0; i < 254; ++i) model.Form_Load(dialogs, 0);  // from the menu
    dialogs.acceptOffered = true;
    model.Form_Load(dialogs, 40);
    model.Form_Unload(dialogs);
    model.Form_Load(dialogs, 40);

    ASSERT_EQ(dialogs.prompts.size(), 2U);
    EXPECT_EQ(dialogs.prompts[0].defaultText, "Player_255");
    EXPECT_EQ(dialogs.prompts[1].defaultText, "Player_000");
    EXPECT_EQ(model.OpenCount(), 0);
    EXPECT_EQ(model.Ranking()[1], (RankEntry{"Player_255", 40}));
    EXPECT_EQ(model.Ranking()[2], (RankEntry{"Player_000", 40}));
}

TEST_F(RankingWindowTest, ClearResetsTheCaptionsOnlyAfterYes) {
    write(kDefaultScoreFile);
    enterResult(51, "ME");
    const DisplayedTable entered = model.table();
    const Rows rankingBefore = ranking();

    model.Command1_Click(dialogs);
    EXPECT_EQ(dialogs.questions, QStringList{"ランキングをクリアしますか？"});
    EXPECT_EQ(model.table(), entered);

    dialogs.yes = true;
    const QByteArray savedEntry = read();
    model.Command1_Click(dialogs);
    EXPECT_EQ(model.table(), DisplayedTable::defaults());
    EXPECT_EQ(ranking(), rankingBefore) << "Clear leaves Ranking alone";
    EXPECT_EQ(read(), savedEntry) << "and writes nothing before closing";

    write("\"OLD\",9\r\n");  // whatever the file holds now, closing saves the captions
    model.Form_Unload(dialogs);
    EXPECT_EQ(read(), kDefaultScoreFile);
    openFromMenu();
    EXPECT_EQ(ranking(), kDefaultRows);
}

TEST_F(RankingWindowTest, FailedSaveIsReported) {
    const QString missing = path("gone/score.dat");
    RankingWindowModel window(missing);
    window.Form_Load(dialogs, 0);
    const SaveResult result = window.Form_Unload(dialogs);

    EXPECT_EQ(result.failure, SaveResult::Failure::CannotCreate);
    EXPECT_EQ(dialogs.warnings, QStringList{saveFailureMessage(missing, result)});
}

// The entry's save and the close's save may fail alike: the player is told once for one table in
// one opening, and again when the table changed or at another opening.
TEST_F(RankingWindowTest, ASaveFailureIsToldOnceForTheSameTable) {
    RankingWindowModel window(path("gone/score.dat"));
    const auto open = [&](int newScore) {
        if (newScore > 0) dialogs.answers.push_back("ME");
        window.Form_Load(dialogs, newScore);
        return dialogs.warnings.size();
    };
    const auto close = [&] {
        window.Form_Unload(dialogs);
        return dialogs.warnings.size();
    };
    EXPECT_EQ(open(5), 1) << "the entry's save";
    EXPECT_EQ(close(), 1) << "the same failure for the same table";
    EXPECT_EQ(open(0), 1) << "no entry, no save";
    EXPECT_EQ(close(), 2) << "another opening";
    EXPECT_EQ(open(5), 3);
    dialogs.yes = true;
    window.Command1_Click(dialogs);
    EXPECT_EQ(close(), 4) << "the table changed";
}

}  // namespace
}  // namespace troven
