// Kills a child that saves the ranking over and over (save_loop) with SIGKILL at random moments,
// and checks after every kill that "score.dat" is exactly one of the two tables it alternates
// between, byte for byte: never torn, never empty, never missing, and, when the kill fell between
// two saves, the table of the last save that completed.
//
// At the chosen moment the child is first stopped (SIGSTOP, waited for) so that what it was doing
// can be seen: whether it was inside a save, and whether it held a temporary file in the folder.
// SIGKILL then ends it exactly where it stood.
//
// usage: kill_during_save SAVE_LOOP [KILLS [SEED]]      exit status 0 when every kill left a
// whole file, 1 otherwise.
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "ranking/score_file.h"
#include "save_progress.h"
#include "two_tables.h"

using namespace troven;
using namespace troven::testing;

namespace {

const QByteArray& storedTable(std::int32_t table) { return table == 1 ? kFirstFile : kSecondFile; }

// Whether the stopped process holds open a file in `folder` other than the score file itself:
// the temporary file of a save (unnamed until it is put in place, or named just before).
bool holdsTemporaryFile(pid_t pid, const QString& folder, const QString& scoreFile) {
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd :
         fds.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        if (target.startsWith(folder + QLatin1Char('/')) && target != scoreFile) return true;
    }
    return false;
}

// Everything in the folder but the score file.
QStringList strayEntries(const QString& folder) {
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                 QDir::System | QDir::Hidden);
    entries.removeAll(kScoreFileName);
    return entries;
}

class SavingChild {
  public:
    SavingChild(const char* program, const QString& folder, const QString& progressFile) {
        const std::string folderArg = folder.toStdString();
        const std::string progressArg = progressFile.toStdString();
        pid_ = fork();
        if (pid_ < 0) std::abort();
        if (pid_ == 0) {
            execl(program, program, folderArg.c_str(), progressArg.c_str(), nullptr);
            std::perror(program);
            _exit(127);
        }
    }
    ~SavingChild() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    SavingChild(SavingChild&& other) noexcept : pid_(std::exchange(other.pid_, -1)) {}
    SavingChild& operator=(SavingChild&&) = delete;

    pid_t pid() const { return pid_; }
    // False once it has ended by itself (a save failed, or it could not start).
    bool running() {
        if (waitpid(pid_, nullptr, WNOHANG) == 0) return true;
        pid_ = -1;
        return false;
    }
    bool stop() {
        int status = 0;
        return kill(pid_, SIGSTOP) == 0 && waitpid(pid_, &status, WUNTRACED) == pid_ &&
               WIFSTOPPED(status);
    }
    void killNow() {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
};

struct Tally {
    int kills = 0;
    int duringSave = 0;
    int withTemporaryFile = 0;
    int strayFilesLeft = 0;
    int heldFirst = 0;
    int heldSecond = 0;
    int failures = 0;
};

class KillRun {
  public:
    KillRun(const char* saveLoop, unsigned seed) : saveLoop_(saveLoop), random_(seed) {
        if (!folder_.isValid() || !progressFile_.open()) {
            std::fputs("cannot make the test folder\n", stderr);
            std::exit(1);
        }
        progress_ = &mapSaveProgress(QFile::encodeName(progressFile_.fileName()).constData());
        // As /proc names the files the child holds open.
        folderPath_ = QFileInfo(folder_.path()).canonicalFilePath();
        scoreFile_ = QDir(folderPath_).filePath(kScoreFileName);
    }

    // Lets one child save undisturbed for a while: the mean length of a save.
    std::chrono::microseconds measureSave() {
        SavingChild child = startChild();
        const std::int64_t before = load(progress_->completed);
        QElapsedTimer clock;
        clock.start();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const std::int64_t saves = load(progress_->completed) - before;
        const auto elapsed = std::chrono::microseconds(clock.nsecsElapsed() / 1000);
        killAndCheck(child, false);
        return saves > 0 ? elapsed / saves : elapsed;
    }

    // One child, killed at a moment drawn uniformly from `window` after its first save.
    void killOnce(std::chrono::microseconds window) {
        SavingChild child = startChild();
        std::uniform_int_distribution<std::int64_t> delay(0, window.count());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random_)));
        killAndCheck(child, true);
    }

    const Tally& tally() const { return tally_; }
    QString folder() const { return folderPath_; }

  private:
    SavingChild startChild() {
        *progress_ = SaveProgress{};
        SavingChild child(saveLoop_, folderPath_, progressFile_.fileName());
        // From its first save on there is always a file to find.
        QElapsedTimer clock;
        clock.start();
        while (load(progress_->completed) == 0) {
            if (!child.running() || clock.hasExpired(10000)) {
                std::fputs("the saving child ended or never saved\n", stderr);
                std::exit(1);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        return child;
    }

    void killAndCheck(SavingChild& child, bool counted) {
        if (!child.stop()) {
            std::fputs("the saving child ended by itself\n", stderr);
            std::exit(1);
        }
        const std::int32_t saving = load(progress_->saving);
        const std::int32_t lastSaved = load(progress_->lastSaved);
        const bool temporary = holdsTemporaryFile(child.pid(), folderPath_, scoreFile_) ||
                               !strayEntries(folderPath_).isEmpty();
        child.killNow();

        const QByteArray bytes = testing::readFile(scoreFile_);
        const bool whole = bytes == kFirstFile || bytes == kSecondFile;
        const bool expected = saving != 0 ? whole : bytes == storedTable(lastSaved);
        const QStringList strays = strayEntries(folderPath_);
        if (counted) {
            ++tally_.kills;
            tally_.duringSave += saving != 0;
            tally_.withTemporaryFile += temporary;
            tally_.strayFilesLeft += static_cast<int>(strays.size());
            tally_.heldFirst += bytes == kFirstFile;
            tally_.heldSecond += bytes == kSecondFile;
        }
        if (!QFile::exists(scoreFile_) || !expected) {
            ++tally_.failures;
            std::printf("FAIL: after a kill %s, score.dat is %s (%lld bytes): %s\n",
                        saving != 0 ? "during a save" : "between saves",
                        QFile::exists(scoreFile_) ? "neither table" : "missing",
                        static_cast<long long>(bytes.size()), bytes.toHex(' ').constData());
        }
        // A name left behind by a kill between naming the new file and renaming it: not the
        // ranking, but litter; cleared so that it is not counted again.
        for (const QString& stray : strays) {
            std::printf("left behind after a kill: %s\n", qPrintable(stray));
            QFile::remove(QDir(folderPath_).filePath(stray));
        }
    }

    const char* saveLoop_;
    std::mt19937 random_;
    QTemporaryDir folder_;
    QString folderPath_;
    QTemporaryFile progressFile_;
    SaveProgress* progress_ = nullptr;
    QString scoreFile_;
    Tally tally_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fputs("usage: kill_during_save SAVE_LOOP [KILLS [SEED]]\n", stderr);
        return 2;
    }
    const int kills = argc > 2 ? std::atoi(argv[2]) : 100;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10))
                                   : std::random_device{}();
    KillRun run(argv[1], seed);
    QElapsedTimer clock;
    clock.start();

    const std::chrono::microseconds save = run.measureSave();
    // Spread over several saves, so every point of a save is as likely as any other.
    const std::chrono::microseconds window = std::max(4 * save, std::chrono::microseconds(200));
    std::printf("folder %s, seed %u, one save takes %lld us, kills within %lld us\n",
                qPrintable(run.folder()), seed, static_cast<long long>(save.count()),
                static_cast<long long>(window.count()));
    for (int i = 0; i < kills; ++i) run.killOnce(window);

    const Tally& t = run.tally();
    std::printf(
        "%d kills in %.1f s: %d during a save, %d while a temporary file existed; score.dat held "
        "the first table %d times, the second %d times; %d stray files left; %d failures\n",
        t.kills, static_cast<double>(clock.elapsed()) / 1000.0, t.duringSave, t.withTemporaryFile,
        t.heldFirst, t.heldSecond, t.strayFilesLeft, t.failures);
    return t.failures == 0 ? 0 : 1;
}
