#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace troven {

// One record line of "score.dat": a double quote, the name bytes as they are, a double quote,
// a comma, the score in decimal, CR LF. Quotes inside a name are not escaped.
QByteArray scoreLine(QByteArrayView name, std::int16_t score);

struct ParsedScoreLine {
    QByteArray name;
    std::int16_t score = 0;
    // The line is exactly as scoreLine() writes it (line end aside): saving it again changes
    // nothing.
    bool exact = false;
};

// A line without its line end. The name lies between the first double quote and the last `",`,
// so names that hold quotes or commas read back whole; the score must be a decimal integer
// within 16 bits, blanks before and after it aside. Nothing for a line that does not read so.
std::optional<ParsedScoreLine> parseScoreLine(QByteArrayView line);

}  // namespace troven
