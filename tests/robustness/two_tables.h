#pragma once

#include <QByteArray>
#include <array>
#include <utility>

#include "ranking_table.h"

namespace troven::robustness {

// Two rankings a save may replace one with the other, and the exact bytes each is stored as,
// written out here by hand so that a torn, mixed or empty file can be told from either.
// The second is longer than the first, holds double-byte names, quotes, commas and the lowest
// 16-bit score, and has a sign position in some of its captions.

inline const QByteArray kFirstFile =
    "\"XYZ\",50\r\n\"AAA\",0\r\n\"BBB\",0\r\n\"CCC\",0\r\n\"VVV\",0\r\n"
    "\"WWW\",0\r\n\"GGG\",0\r\n\"JJJ\",0\r\n\"MMM\",0\r\n\"QQQ\",0\r\n";

// "全角５文字" in code page 932.
inline const QByteArray kZenkaku5 = "\x91\x53\x8A\x70\x82\x54\x95\xB6\x8E\x9A";

inline DisplayedTable firstTable() { return DisplayedTable::defaults(); }

inline DisplayedTable secondTable() {
    const std::array<std::pair<QByteArray, QString>, kPlaces> rows = {{
        {kZenkaku5, " 47"},
        {"Player_001", "40"},
        {"say \"hi\"", " 33"},
        {"a,b,c", "20"},
        {kZenkaku5, " 12"},
        {"Player_255", "5"},
        {"\"", " 0"},
        {"\",", "-1"},
        {"Z", "-3"},
        {"MIN", "-32768"},
    }};
    DisplayedTable table;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        table.names[i] = rows[i].first;
        table.scores[i] = rows[i].second;
    }
    return table;
}

inline const QByteArray kSecondFile = "\"" + kZenkaku5 + "\",47\r\n" +
                                      "\"Player_001\",40\r\n"
                                      "\"say \"hi\"\",33\r\n"
                                      "\"a,b,c\",20\r\n"
                                      "\"" +
                                      kZenkaku5 + "\",12\r\n" +
                                      "\"Player_255\",5\r\n"
                                      "\"\"\",0\r\n"
                                      "\"\",\",-1\r\n"
                                      "\"Z\",-3\r\n"
                                      "\"MIN\",-32768\r\n";

}  // namespace troven::robustness
