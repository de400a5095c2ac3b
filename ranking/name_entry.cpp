#include "name_entry.h"

#include "cp932.h"

namespace troven {

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
