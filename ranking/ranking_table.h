#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

// The top-ten table: its default, its score captions, the entry of a new result and the rules
// for a name.

namespace troven {

inline constexpr int kPlaces = 10;

// The table that stands in for a missing or unreadable record of "score.dat", and that the
// Clear button puts in place: "XYZ" 50, then nine names with 0.
QByteArray defaultName(int rank);
std::int16_t defaultScore(int rank);

// A score as a loaded table shows it: "50", "0", "-3".
QString captionWithoutSign(std::int32_t score);

// A score as ShowRanking shows it, with a sign position: " 50", " 0", "-3".
QString captionWithSign(std::int32_t score);

// A score caption read back as a number: blanks before and after are ignored, then an optional
// minus and decimal digits. A number beyond 32 bits gives the nearest 32-bit value; anything
// else gives nothing.
std::optional<std::int32_t> scoreFromCaption(QStringView caption);

// A score as the file can hold it: the nearest 16-bit value.
std::int16_t fileScore(std::int32_t score);

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

struct RankEntry {
    QByteArray Name;  // code page 932 bytes, as in the file
    std::int32_t Score = 0;

    bool operator==(const RankEntry&) const = default;
};

// Index 0 is first place; kept in descending order of score by insertEntry().
using RankingTable = std::array<RankEntry, kPlaces>;

inline constexpr std::uint8_t kNotEntered = kPlaces;

// Where a new result goes: kNotEntered unless it beats the tenth score, else the first entry
// it beats, so it goes below every entry with an equal score.
std::uint8_t entryPosition(const RankingTable& ranking, std::int32_t newScore);

// Moves the entries from `position` down by one (the tenth drops out) and puts an entry with an
// empty name and `newScore` at `position`, which must be below kNotEntered.
void insertEntry(RankingTable& ranking, std::uint8_t position, std::int32_t newScore);

// A name takes 1 to 10 bytes in code page 932: ten single-byte or five double-byte characters.
inline constexpr qsizetype kMaxNameBytes = 10;

// "Player_" and the load count in at least three digits: "Player_001", "Player_012"; always ten
// bytes, so always accepted.
QString defaultPlayerName(std::uint8_t openCount);

// The bytes to store for an answer of the name prompt, or nothing when the answer is refused:
// empty (or cancelled), longer than kMaxNameBytes, holding a character code page 932 lacks, or
// holding a line break; the last two could not be stored in the file.
std::optional<QByteArray> acceptedName(QStringView answer);

}  // namespace troven
