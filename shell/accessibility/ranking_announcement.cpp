#include "accessibility/ranking_announcement.h"

#include <QStringList>

#include "ranking/cp932.h"

namespace troven::accessible {

namespace {

QString row(const DisplayedTable& table, std::size_t place) {
    return QStringLiteral("%1位 %2 %3")
        .arg(place + 1)
        .arg(cp932::decode(table.names[place]), table.scores[place].trimmed());
}

}  // namespace

QString rankingAnnouncement(const DisplayedTable& table, std::uint8_t entered) {
    QStringList rows;
    for (std::size_t i = 0; i < kPlaces; ++i) rows << row(table, i);
    const QString all = QStringLiteral("ランキング ") + rows.join(u'、');
    if (entered >= kNotEntered) return all;
    return QStringLiteral("登録しました。%1。%2").arg(row(table, entered), all);
}

}  // namespace troven::accessible
