#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "ranking/score_file.h"
#include "score_dir.h"

namespace troven {
namespace {

using testing::kDefaultScoreFile;
using testing::kZenkaku5;

// Names N0..N9 with 90..81: every record tells where it came from.
QByteArray distinctLine(int rank) {
    return "\"N" + QByteArray::number(rank) + "\"," + QByteArray::number(90 - rank) + "\r\n";
}
QByteArray firstLines(int count) {
    QByteArray bytes;
    for (int rank = 0; rank < count; ++rank) bytes += distinctLine(rank);
    return bytes;
}
QByteArray distinctFile() { return firstLines(kPlaces); }
DisplayedTable distinctTable() {
    DisplayedTable table;
    for (std::size_t i = 0; i < kPlaces; ++i) {
        table.names[i] = "N" + QByteArray::number(static_cast<int>(i));
        table.scores[i] = QString::number(90 - static_cast<int>(i));
    }
    return table;
}

class ScoreFileTest : public testing::ScoreDirTest {
  protected:
    DisplayedTable load() { return loadTable(path()); }
    SaveResult save(const DisplayedTable& table) { return saveTable(table, path()); }
};

TEST_F(ScoreFileTest, MissingFileReadsAsDefaultTableAndTheFirstSaveStoresIt) {
    EXPECT_EQ(load(), DisplayedTable::defaults());
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Missing);
    EXPECT_TRUE(entries().isEmpty()) << "reading must not create anything";

    ASSERT_TRUE(save(load()).ok());
    EXPECT_EQ(read(), kDefaultScoreFile);
    EXPECT_EQ(kDefaultScoreFile.size(), 91);
    EXPECT_EQ(entries(), QStringList{"score.dat"}) << "no backup, no temporary file left";
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Clean);
}

TEST_F(ScoreFileTest, BareFileNameMeansTheCurrentFolder) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const SaveResult saved = saveTable(distinctTable(), kScoreFileName);
    const DisplayedTable loaded = loadTable(kScoreFileName);
    QDir::setCurrent(previous);

    EXPECT_TRUE(saved.ok());
    EXPECT_EQ(loaded, distinctTable());
    EXPECT_EQ(read(), distinctFile());
}

TEST_F(ScoreFileTest, NamesRoundTripByteForByte) {
    DisplayedTable table = distinctTable();
    table.names[0] = kZenkaku5;
    table.names[1] = "a,b,c";
    table.names[2] = "say \"hi\"";
    table.names[3] = "\",";       // a quote and a comma: the very separator
    table.names[4] = "ends\"";    // a quote right before the separator
    table.names[5] = "";          // empty
    table.names[6] = "\x81\x20";  // not valid code page 932: kept as it is
    table.names[7] = "\xC3\xA9";  // UTF-8 bytes of a name from elsewhere
    table.scores[8] = "32767";
    table.scores[9] = "-32768";
    ASSERT_TRUE(save(table).ok());

    const QByteArray first = read();
    EXPECT_TRUE(
        first.startsWith("\"" + kZenkaku5 + "\",90\r\n\"a,b,c\",89\r\n\"say \"hi\"\",88\r\n"));
    EXPECT_EQ(load(), table);
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Clean);
    ASSERT_TRUE(save(load()).ok());
    EXPECT_EQ(read(), first);
    EXPECT_FALSE(exists("score.dat.bak"));
}

TEST_F(ScoreFileTest, ScoreCaptionsSaveAsSixteenBitNumbers) {
    DisplayedTable table = DisplayedTable::defaults();
    table.scores = {"abc", "7 ", " -3 ", " 0", "40000", "-99999999999999999999",
                    " 50", "",   "+5",   "1 2"};
    ASSERT_TRUE(save(table).ok());
    // Blanks around a number are ignored, a number beyond 16 bits keeps to the nearest value,
    // and a caption that is no number at all saves the default table's score of its rank.
    EXPECT_EQ(read(),
              "\"XYZ\",50\r\n\"AAA\",7\r\n\"BBB\",-3\r\n\"CCC\",0\r\n\"VVV\",32767\r\n"
              "\"WWW\",-32768\r\n\"GGG\",50\r\n\"JJJ\",0\r\n\"MMM\",0\r\n\"QQQ\",0\r\n");
    const DisplayedTable loaded = load();
    EXPECT_EQ(loaded.scores[0], "50");
    EXPECT_EQ(loaded.scores[2], "-3");
}

TEST_F(ScoreFileTest, LinesAfterTheTenthAreIgnoredAndKeptInTheBackup) {
    const QByteArray original = distinctFile() + "\"extra\",99\r\nnot even a record\n";
    write(original);
    EXPECT_EQ(load(), distinctTable());
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Irregular);
    ASSERT_TRUE(save(load()).ok());
    EXPECT_EQ(read(), distinctFile());
    EXPECT_EQ(read("score.dat.bak"), original);
}

// Bytes this process has read from files so far.
qint64 bytesRead() {
    QFile io("/proc/self/io");
    if (!io.open(QIODevice::ReadOnly)) return -1;
    const QByteArray stats = io.readAll();
    const qsizetype at = stats.indexOf("rchar: ") + 7;
    return stats.mid(at, stats.indexOf('\n', at) - at).toLongLong();
}

TEST_F(ScoreFileTest, HugeFileIsReadOnlyAsFarAsItsTenthLine) {
    constexpr qint64 kGigabyte = qint64{1} << 30;
    constexpr qint64 kEnough = 64 * 1024;  // ten lines of at most 1026 bytes, and Qt's buffer
    write(distinctFile());
    ASSERT_TRUE(QFile(path()).resize(kGigabyte));  // a gigabyte of junk after ten good lines

    qint64 before = bytesRead();
    EXPECT_EQ(load(), distinctTable());
    // Not as the game writes it: the next save would keep it whole as score.dat.bak.
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Irregular);
    EXPECT_LT(bytesRead() - before, 3 * kEnough);

    write(QByteArray());
    ASSERT_TRUE(QFile(path()).resize(kGigabyte));  // a gigabyte of junk without a line end
    before = bytesRead();
    EXPECT_EQ(load(), DisplayedTable::defaults());
    EXPECT_LT(bytesRead() - before, kEnough);
}

// A record line of `bytes` bytes before its line end: two quotes, a comma and a one-digit score
// around a name of x.
QByteArray lineOfLength(qsizetype bytes) { return scoreLine(QByteArray(bytes - 4, 'x'), 7); }

TEST_F(ScoreFileTest, LinesOfTheLongestLengthAreReadAndLongerOnesAreNot) {
    constexpr qsizetype kLongest = ScoreFileReader::kMaxLineBytes;
    write(lineOfLength(kLongest).repeated(kPlaces));
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Clean);
    EXPECT_EQ(ScoreFileReader(path()).record(kPlaces - 1).name.size(), kLongest - 4);
    write(lineOfLength(kLongest).repeated(kPlaces) + "x");  // a byte past what is read
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Irregular);

    write(distinctLine(0) + lineOfLength(kLongest + 1) + distinctFile());
    DisplayedTable expected = DisplayedTable::defaults();
    expected.names[0] = "N0";
    expected.scores[0] = "90";
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Irregular);
    EXPECT_EQ(load(), expected) << "the overlong line and all after it are unreadable";
}

struct MalformedCase {
    const char* what;
    QByteArray bytes;
    std::vector<int> defaulted;  // ranks that must come from the default table
};
void PrintTo(const MalformedCase& c, std::ostream* out) { *out << c.what; }

class MalformedFileTest : public ScoreFileTest,
                          public ::testing::WithParamInterface<MalformedCase> {};

// Whatever is readable is read, the rest comes from the default table, and the original bytes
// are kept as score.dat.bak before a save replaces them.
TEST_P(MalformedFileTest, ReadsWhatItCanAndKeepsTheOriginalAsBackup) {
    const MalformedCase& c = GetParam();
    write("an older backup", "score.dat.bak");
    write(c.bytes);

    DisplayedTable expected = distinctTable();
    for (const int rank : c.defaulted) {
        const auto i = static_cast<std::size_t>(rank);
        expected.names[i] = DisplayedTable::defaults().names[i];
        expected.scores[i] = DisplayedTable::defaults().scores[i];
    }
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Irregular);
    const DisplayedTable loaded = load();
    EXPECT_EQ(loaded, expected);

    ASSERT_TRUE(save(loaded).ok());
    EXPECT_EQ(read("score.dat.bak"), c.bytes);
    EXPECT_EQ(load(), expected);
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Clean);
}

QByteArray replaced(QByteArray bytes, const QByteArray& from, const QByteArray& to) {
    return bytes.replace(from, to);
}

INSTANTIATE_TEST_SUITE_P(
    ScoreFile, MalformedFileTest,
    ::testing::Values(
        MalformedCase{"Empty", "", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        MalformedCase{"ThreeRecords", firstLines(3), {3, 4, 5, 6, 7, 8, 9}},
        MalformedCase{"NoQuotes", replaced(distinctFile(), "\"N1\",89", "N1,89"), {1}},
        MalformedCase{"LoneQuote", replaced(distinctFile(), "\"N1\",89", "\",89"), {1}},
        MalformedCase{"TextBeforeTheQuote", replaced(distinctFile(), "\"N1\"", "x\"N1\""), {}},
        MalformedCase{"NoNumber", replaced(distinctFile(), "\"N2\",88", "\"N2\",abc"), {2}},
        MalformedCase{"NoScore", replaced(distinctFile(), "\"N2\",88", "\"N2\","), {2}},
        MalformedCase{"Fraction", replaced(distinctFile(), "\"N3\",87", "\"N3\",8.7"), {3}},
        MalformedCase{"Above16Bits", replaced(distinctFile(), "\"N4\",86", "\"N4\",32768"), {4}},
        MalformedCase{"Below16Bits", replaced(distinctFile(), "\"N5\",85", "\"N5\",-32769"), {5}},
        MalformedCase{"EmptyLine", replaced(distinctFile(), "\"N6\",84", ""), {6}},
        MalformedCase{"LeadingZero", replaced(distinctFile(), "\"N7\",83", "\"N7\",083"), {}},
        MalformedCase{"BlanksAroundScores",
                      replaced(replaced(distinctFile(), ",88", ", 88"), ",81", ",81 \t"),
                      {}},
        MalformedCase{"BlankInsideAScore", replaced(distinctFile(), ",88", ",8 8"), {2}},
        MalformedCase{"LineFeedsOnly", replaced(distinctFile(), "\r\n", "\n"), {}},
        MalformedCase{"CarriageReturnsOnly", replaced(distinctFile(), "\r\n", "\r"), {}},
        MalformedCase{"NoFinalLineEnd", distinctFile().chopped(2), {}},
        MalformedCase{"CutInTheLastLine", distinctFile().chopped(5), {9}},
        MalformedCase{"OneLineEndMore", distinctFile() + "\n", {}}),
    [](const auto& param) { return std::string(param.param.what); });

TEST_F(ScoreFileTest, UnreadableFileIsNeitherReadNorReplaced) {
    ASSERT_TRUE(QDir(path()).mkpath("."));  // a folder where the file should be
    EXPECT_EQ(ScoreFileReader(path()).state(), ScoreFileState::Unreadable);
    EXPECT_EQ(load(), DisplayedTable::defaults());
    EXPECT_EQ(save(load()).failure, SaveResult::Failure::BackupFailed);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(ScoreFileTest, SaveIsRefusedWhenTheBackupCannotBeMade) {
    const QByteArray original = firstLines(4);
    write(original);
    ASSERT_TRUE(QDir(backup()).mkpath("."));  // the backup's name is taken by a folder

    const SaveResult result = save(distinctTable());
    EXPECT_EQ(result.failure, SaveResult::Failure::BackupFailed);
    EXPECT_TRUE(saveFailureMessage("score.dat", result).contains("score.dat.bak"));
    EXPECT_EQ(read(), original);
}

TEST_F(ScoreFileTest, SaveIntoMissingFolderFailsWithAReason) {
    const QString missing = path("no/such/folder/score.dat");
    const SaveResult result = saveTable(DisplayedTable::defaults(), missing);
    EXPECT_EQ(result.failure, SaveResult::Failure::CannotCreate);
    EXPECT_FALSE(result.detail.isEmpty());
    const QString message = saveFailureMessage(missing, result);
    EXPECT_TRUE(message.startsWith("ランキングを「" + missing + "」に保存できませんでした。"))
        << message.toStdString();
    EXPECT_TRUE(message.contains(result.detail));
}

// Why a save failed goes to the error output only when asked for; by default the game is silent.
TEST_F(ScoreFileTest, AFailedSaveIsLoggedOnlyWhenSwitchedOn) {
    static QStringList logged;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& message) { logged << message; });
    const QString missing = path("no/such/folder/score.dat");
    saveTable(DisplayedTable::defaults(), missing);
    EXPECT_TRUE(logged.isEmpty()) << logged.join('\n').toStdString();
    QLoggingCategory::setFilterRules(QStringLiteral("troven.save=true"));
    saveTable(DisplayedTable::defaults(), missing);
    QLoggingCategory::setFilterRules({});
    qInstallMessageHandler(previous);
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged.front().contains(missing)) << logged.front().toStdString();
}

// The folder is read-only for the user who saves; root can write anywhere, so as root the
// saving child process gives up its rights first.
TEST_F(ScoreFileTest, SaveInReadOnlyFolderFailsAndLeavesTheFileIntact) {
    write(kDefaultScoreFile);
    ASSERT_TRUE(QFile::setPermissions(
        dir_.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) std::_Exit(2);
            const SaveResult result = save(distinctTable());
            std::fputs(saveFailureMessage(path(), result).toStdString().c_str(), stderr);
            std::_Exit(result.failure == SaveResult::Failure::CannotCreate ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "保存できませんでした");
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(read(), kDefaultScoreFile);
    EXPECT_EQ(entries(), QStringList{"score.dat"});
}

}  // namespace
}  // namespace troven
