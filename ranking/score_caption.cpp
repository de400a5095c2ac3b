#include "score_caption.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace troven {
namespace {

template <typename Narrow>
Narrow saturate(std::int64_t value) {
    return static_cast<Narrow>(std::clamp<std::int64_t>(value, std::numeric_limits<Narrow>::min(),
                                                        std::numeric_limits<Narrow>::max()));
}

}  // namespace

QString captionWithoutSign(std::int32_t score) { return QString::number(score); }

QString captionWithSign(std::int32_t score) {
    return score < 0 ? QString::number(score) : QLatin1Char(' ') + QString::number(score);
}

std::optional<std::int32_t> scoreFromCaption(QStringView caption) {
    const QByteArray text = caption.trimmed().toLatin1();
    const char* const end = text.constData() + text.size();
    std::int64_t value = 0;
    const auto [stop, error] = std::from_chars(text.constData(), end, value);
    if (stop != end || text.isEmpty()) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        return text.startsWith('-') ? std::numeric_limits<std::int32_t>::min()
                                    : std::numeric_limits<std::int32_t>::max();
    }
    if (error != std::errc()) return std::nullopt;
    return saturate<std::int32_t>(value);
}

std::int16_t fileScore(std::int32_t score) { return saturate<std::int16_t>(score); }

}  // namespace troven
