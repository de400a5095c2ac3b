#include "accessible_texts.h"

#include <array>

namespace troven::accessible {

QString cardName(Card card) {
    static const std::array<QString, kSuits> suits = {
        QStringLiteral("スペード"), QStringLiteral("ハート"), QStringLiteral("クラブ"),
        QStringLiteral("ダイヤ")};
    const std::string_view rank = kRankCaptions[static_cast<std::size_t>(rankOf(card))];
    return suits[static_cast<std::size_t>(suitOf(card))] + QStringLiteral("の") +
           QString::fromLatin1(rank.data(), static_cast<qsizetype>(rank.size()));
}

QString pictureName(const Picture& picture) {
    switch (picture.kind) {
        case Picture::Kind::Face:
            return cardName(picture.face);
        case Picture::Kind::CardBack:
            return QStringLiteral("裏向きのカード");
        case Picture::Kind::None:
            break;
    }
    return QStringLiteral("なし");
}

QString trackerState(const TrackerCell& cell) {
    QString state = cell.state == CardState::Played   ? QStringLiteral("出したカード")
                    : cell.state == CardState::InHand ? QStringLiteral("手札にある")
                                                      : QStringLiteral("まだ出ていない");
    if (cell.matchesLastPlay) state += QStringLiteral("、最後のカードと同じマークか数字");
    return state;
}

QString slotState(bool visible, bool playable) {
    if (!visible) return QStringLiteral("空き");
    return playable ? QStringLiteral("出せます") : QStringLiteral("出せません");
}

}  // namespace troven::accessible
