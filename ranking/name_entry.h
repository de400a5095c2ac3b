#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace troven {

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
