#include "ranking/ranking_table.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <limits>
#include <system_error>

#include "ranking/cp932.h"

namespace troven {

namespace {

constexpr std::array<const char*, kPlaces> kNames = {"XYZ", "AAA", "BBB", "CCC", "VVV",
                                                     "WWW", "GGG", "JJJ", "MMM", "QQQ"};

}  // namespace

QByteArray defaultName(int rank) { return kNames.at(static_cast<std::size_t>(rank)); }

std::int16_t defaultScore(int rank) { return rank == 0 ? 50 : 0; }

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

DisplayedTable DisplayedTable::defaults() {
    DisplayedTable table;
    for (int rank = 0; rank < kPlaces; ++rank) {
        table.names.at(static_cast<std::size_t>(rank)) = defaultName(rank);
        table.scores.at(static_cast<std::size_t>(rank)) = captionWithoutSign(defaultScore(rank));
    }
    return table;
}

std::int32_t DisplayedTable::score(int rank) const {
    return scoreFromCaption(scores.at(static_cast<std::size_t>(rank))).value_or(defaultScore(rank));
}

std::uint8_t entryPosition(const RankingTable& ranking, std::int32_t newScore) {
    // Only a result above the tenth score enters, even in a table out of order.
    if (newScore <= ranking.back().Score) return kNotEntered;
    const auto* const place = std::find_if(ranking.begin(), ranking.end(),
                                           [&](const RankEntry& e) { return newScore > e.Score; });
    return static_cast<std::uint8_t>(place - ranking.begin());
}

void insertEntry(RankingTable& ranking, std::uint8_t position, std::int32_t newScore) {
    assert(position < kNotEntered);
    std::move_backward(ranking.begin() + position, ranking.end() - 1, ranking.end());
    ranking[position] = RankEntry{QByteArray(), newScore};
}

QString defaultPlayerName(std::uint8_t openCount) {
    return QStringLiteral("Player_%1").arg(openCount, 3, 10, QLatin1Char('0'));
}

std::optional<QByteArray> acceptedName(QStringView answer) {
    if (answer.contains(u'\r') || answer.contains(u'\n')) return std::nullopt;
    cp932::Encoded name = cp932::encode(answer);
    if (!name.complete() || name.bytes.isEmpty() || name.bytes.size() > kMaxNameBytes) {
        return std::nullopt;
    }
    return std::move(name.bytes);
}

}  // namespace troven
