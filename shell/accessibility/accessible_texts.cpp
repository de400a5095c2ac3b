#include "accessibility/accessible_texts.h"

#include <QStringList>

#include <array>

#include "game/texts.h"

namespace troven::accessible {

namespace {

QString messageText(Message message) { return QString::fromUtf8(text::of(message)); }

}  // namespace

QString cardName(Card card) {
    static const std::array<QString, kSuits> suits = {
        QStringLiteral("スペード"), QStringLiteral("ハート"), QStringLiteral("クラブ"),
        QStringLiteral("ダイヤ")};
    const std::string_view rank = rankCaptionOf(card);
    return suits[static_cast<std::size_t>(suitOf(card))] + QStringLiteral("の") +
           QString::fromLatin1(rank);
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

QString slotName(int slot, const Picture& picture) {
    return QStringLiteral("手札%1 %2").arg(slot + 1).arg(pictureName(picture));
}

QString countName(const QString& count) { return QStringLiteral("カウント %1").arg(count); }

QString slotState(bool visible, bool playable) {
    if (!visible) return QStringLiteral("空き");
    return playable ? QStringLiteral("選択可能") : QStringLiteral("選択不可");
}

QString playAnnouncement(const Game& game, int slot, Message messageBefore) {
    const HandSlot& now = game.hand()[static_cast<std::size_t>(slot)];
    QStringList said = {
        cardName(game.state().PlayedCard) + QStringLiteral("を出しました"),
        now.visible ? slotName(slot, now.picture)
                    : QStringLiteral("手札%1 %2").arg(slot + 1).arg(slotState(false, false)),
        countName(QString::number(game.count()))};
    if (game.message() != messageBefore) said << messageText(game.message());
    QStringList playable;
    for (int k = 0; k < kHandSize; ++k) {
        if (game.canPlay(k)) playable << QStringLiteral("手札%1").arg(k + 1);
    }
    if (!playable.isEmpty()) said << QStringLiteral("選択可能 ") + playable.join(u'、');
    return said.join(u'。');
}

}  // namespace troven::accessible
