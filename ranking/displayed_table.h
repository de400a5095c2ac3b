#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

#include "default_table.h"

namespace troven {

// The ranking window's table as its labels hold it; element i is rank i + 1. The window shows
// the names decoded from code page 932 (cp932::decode) and the score captions as they are.
struct DisplayedTable {
    std::array<QByteArray, kPlaces> names;  // name captions, as the file's code page 932 bytes
    std::array<QString, kPlaces> scores;    // score captions: "50" as loaded, " 50" as shown

    // The default table, as Clear puts it in place: "XYZ" "50", "AAA" "0", ...
    static DisplayedTable defaults();

    // Score caption `rank` as a number. The captions only ever come from numbers; should one not
    // be a number, the default table's score for that rank stands in.
    std::int32_t score(int rank) const;

    bool operator==(const DisplayedTable&) const = default;
};

}  // namespace troven
