#pragma once

#include <QByteArray>

#include <array>
#include <utility>

#include "ranking/ranking_table.h"
#include "score_files.h"

namespace troven::testing {

// Two rankings a save may replace one with the other, and the exact bytes each is stored as,
// written out here by hand so that a torn, mixed or empty file can be told from either.
// The second is longer than the first, holds double-byte names, quotes, commas and the lowest
// 16-bit score, and has a sign position in some of its captions.

inline const QByteArray& kFirstFile = kDefaultScoreFile;

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

}  // namespace troven::testing
