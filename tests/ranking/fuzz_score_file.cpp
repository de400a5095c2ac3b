// libFuzzer target for the reading of "score.dat": any bytes at all load without a fault, the
// same way every time, into names that decode. Cheap enough for runs of many millions;
// fuzz_score_round_trip adds the saving.
#include <cstddef>
#include <cstdint>

#include "fuzz_score_dir.h"
#include "ranking/cp932.h"
#include "ranking/score_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace troven;
    using testing::check;
    const QString path = testing::scoreFilePath();
    check(testing::writeFile(
        path, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))));
    check(ScoreFileReader(path).state() != ScoreFileState::Missing);
    const DisplayedTable table = loadTable(path);
    for (const QByteArray& name : table.names) cp932::decode(name);
    check(loadTable(path) == table);
    return 0;
}
