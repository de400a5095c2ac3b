// libFuzzer target for saving what "score.dat" held. Any bytes at all load, save, load
// gives the same table, with the original kept as ".bak" exactly when it did not read cleanly;
// and any table of names made from the same bytes saves and loads back unchanged.
#include <cstddef>
#include <cstdint>

#include "fuzz_score_dir.h"
#include "ranking/cp932.h"
#include "ranking/ranking_table.h"
#include "ranking/score_file.h"

namespace troven {
namespace {

using testing::check;

void loadSaveLoad(const QByteArray& original, const QString& path) {
    QFile::remove(backupPath(path));
    check(testing::writeFile(path, original));
    const ScoreFileState state = ScoreFileReader(path).state();
    const DisplayedTable first = loadTable(path);
    for (const QByteArray& name : first.names) cp932::decode(name);

    check(saveTable(first, path).ok());
    check(loadTable(path) == first);
    check(ScoreFileReader(path).state() == ScoreFileState::Clean);
    const bool backedUp = QFile::exists(backupPath(path));
    check(backedUp == (state != ScoreFileState::Clean));
    if (backedUp) {
        QFile backup(backupPath(path));
        check(backup.open(QIODevice::ReadOnly) && backup.readAll() == original);
    }
}

// Names are the input's lines without line breaks (which no name can hold), scores made from
// their lengths, with and without a sign position.
void saveLoad(const QByteArray& original, const QString& path) {
    DisplayedTable table = DisplayedTable::defaults();
    const QList<QByteArray> pieces = original.split('\n');
    for (std::size_t i = 0; i < kPlaces && i < static_cast<std::size_t>(pieces.size()); ++i) {
        QByteArray name = pieces[static_cast<qsizetype>(i)].left(1000);
        name.replace('\r', QByteArray());
        const std::int16_t score = fileScore(static_cast<std::int32_t>(name.size()) * 97 - 20000);
        table.names[i] = name;
        table.scores[i] = i % 2 == 0 ? captionWithSign(score) : captionWithoutSign(score);
    }
    check(saveTable(table, path).ok());
    const DisplayedTable loaded = loadTable(path);
    check(loaded.names == table.names);
    for (int rank = 0; rank < kPlaces; ++rank) check(loaded.score(rank) == table.score(rank));
}

}  // namespace
}  // namespace troven

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray original(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = troven::testing::scoreFilePath();
    troven::loadSaveLoad(original, path);
    troven::saveLoad(original, path);
    return 0;
}
