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

    const QByteArrayView scoreField = line.sliced(close + 2);
    // Blanks around the number are not part of it, as when a score caption is saved.
    const QByteArrayView scoreText = scoreField.trimmed();
    std::int16_t score = 0;
    const auto [stop, error] = std::from_chars(scoreText.begin(), scoreText.end(), score);
    if (error != std::errc() || stop != scoreText.end()) return std::nullopt;

    return ParsedScoreLine{line.sliced(open + 1, close - open - 1).toByteArray(), score,
                           open == 0 && scoreField == QByteArray::number(score)};
}

}  // namespace troven
