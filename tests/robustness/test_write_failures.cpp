// A save that runs out of room part-way, for any user: a file size limit (RLIMIT_FSIZE) stands in
// for a disk that fills up during the write. The save reports a failure, puts nothing in place,
// and the previous file stays whole. test_save_failures checks a real full disk where it may
// mount one.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <signal.h>
#include <sys/resource.h>

#include "ranking/score_file.h"
#include "score_dir.h"
#include "two_tables.h"

namespace troven::testing {
namespace {

// Every file this process writes from now on stops growing at `bytes` (RLIM_INFINITY: no
// limit); a write beyond is cut short or fails.
void limitFileSize(rlim_t bytes) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, RLIM_INFINITY};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(2);
}

// In a child process: saves the second table over `path` with files limited to 64 bytes, then
// prints the message; exits 0 when the save failed in the expected way.
[[noreturn]] void saveCutShort(const QString& path, SaveResult::Failure expected) {
    limitFileSize(64);
    const SaveResult result = saveTable(secondTable(), path);
    limitFileSize(RLIM_INFINITY);  // the message goes to a file too
    std::fputs(saveFailureMessage(path, result).toStdString().c_str(), stderr);
    std::_Exit(result.failure == expected ? 0 : 1);
}

using WriteFailureTest = ScoreDirTest;

TEST_F(WriteFailureTest, ASaveCutShortFailsAndKeepsThePreviousFile) {
    write(kFirstFile);
    EXPECT_EXIT(saveCutShort(path(), SaveResult::Failure::WriteFailed),
                ::testing::ExitedWithCode(0), "書き込みに失敗しました");
    EXPECT_EQ(read(), kFirstFile);
    EXPECT_EQ(entries(), QStringList{kScoreFileName});
}

// A file that did not read cleanly is copied to ".bak" first; a copy cut short stops the save.
TEST_F(WriteFailureTest, ABackupCutShortStopsTheSaveAndKeepsTheOriginal) {
    const QByteArray irregular =
        "\"" + QByteArray(100, 'x') + "\",1\r\n\"" + QByteArray(100, 'y') + "\",2\r\n";
    write(irregular);
    EXPECT_EXIT(saveCutShort(path(), SaveResult::Failure::BackupFailed),
                ::testing::ExitedWithCode(0), "score.dat.bak");
    EXPECT_EQ(read(), irregular);
    EXPECT_EQ(entries(), QStringList{kScoreFileName});
}

}  // namespace
}  // namespace troven::testing
