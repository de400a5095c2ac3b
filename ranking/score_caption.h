#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace troven {

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

}  // namespace troven
