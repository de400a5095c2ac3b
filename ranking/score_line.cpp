#include "score_line.h"

#include <charconv>
#include <system_error>

namespace troven {

QByteArray scoreLine(QByteArrayView name, std::int16_t score) {
    return '"' + name.toByteArray() + "\"," + QByteArray::number(score) + "\r\n";
}

std::optional<ParsedScoreLine> parseScoreLine(QByteArrayView line) {
    const qsizetype open = line.indexOf('"');
    const qsizetype close = line.lastIndexOf("\",");
    if (open < 0 || close <= open) return std::nullopt;

    const QByteArrayView scoreText = line.sliced(close + 2);
    std::int16_t score = 0;
    const auto [stop, error] = std::from_chars(scoreText.begin(), scoreText.end(), score);
    if (error != std::errc() || stop != scoreText.end()) return std::nullopt;

    return ParsedScoreLine{{line.sliced(open + 1, close - open - 1).toByteArray(), score},
                           open == 0 && scoreText == QByteArray::number(score)};
}

}  // namespace troven
