// Saves the ranking into FOLDER/score.dat over and over, alternating between two tables, until it
// is killed; it only stops by itself when a save fails. Where it stands is kept in the shared page
// of PROGRESS_FILE.   usage: save_loop FOLDER PROGRESS_FILE
#include <QDir>

#include <cstdio>

#include "ranking/score_file.h"
#include "save_progress.h"
#include "two_tables.h"

using namespace troven;
using namespace troven::testing;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: save_loop FOLDER PROGRESS_FILE\n", stderr);
        return 2;
    }
    const QString path = QDir(QString::fromLocal8Bit(argv[1])).filePath(kScoreFileName);
    SaveProgress& progress = mapSaveProgress(argv[2]);
    const DisplayedTable tables[] = {firstTable(), secondTable()};

    // Every save changes the file: start with the table it does not hold.
    std::int32_t next = testing::readFile(path) == kFirstFile ? 2 : 1;

    for (;;) {
        store(progress.saving, next);
        const SaveResult result = saveTable(tables[next - 1], path);
        if (!result.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(saveFailureMessage(path, result)));
            return 1;
        }
        store(progress.lastSaved, next);
        store(progress.saving, 0);
        store(progress.completed, load(progress.completed) + 1);
        next = 3 - next;
    }
}
