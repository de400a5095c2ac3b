#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace troven {

// One record line of "score.dat": a double quote, the name bytes as they are, a double quote,
// a comma, the score in decimal, CR LF. Quotes inside a name are not escaped.
QByteArray scoreLine(QByteArrayView name, std::int16_t score);

// A record of "score.dat". The name is kept as the file's own code page 932 bytes, so that it
// goes back to the file byte for byte, even one that is not valid code page 932.
struct ScoreRecord {
    QByteArray name;
    std::int16_t score = 0;
};

struct ParsedScoreLine : ScoreRecord {
    // The line is exactly as scoreLine() writes it (line end aside): saving it again changes
    // nothing.
    bool exact = false;
};

// A line without its line end. The name lies between the first double quote and the last `",`,
// so names that hold quotes or commas read back whole; the score must be a decimal integer
// within 16 bits. Nothing for a line that does not read so.
std::optional<ParsedScoreLine> parseScoreLine(QByteArrayView line);

}  // namespace troven
