#pragma once

#include <QString>

#include "game/card.h"
#include "game/game.h"
#include "game/table_contents.h"
#include "game/tracker.h"

// What a screen reader says of the table, in Japanese.
namespace troven::accessible {

// "スペードのA", "ハートの10", ...
QString cardName(Card card);
// A hand slot or the pile: the card it shows, its back, or nothing.
QString pictureName(const Picture& picture);
// A tracker label's card: still to come, in the hand, played; and whether it matches.
QString trackerState(const TrackerCell& cell);
// A hand slot by its place and card: "手札2 ハートの7".
QString slotName(int slot, const Picture& picture);
// The count as it shows (empty before the first deal): "カウント 12".
QString countName(const QString& count);
// Whether a hand slot may be played now: "選択可能", "選択不可", or "空き" once emptied.
QString slotState(bool visible, bool playable);
// After a play of `slot`: the card played, what the slot holds now, the count, the message line
// when the play changed it, and the slots that may be played next.
// "ハートの7を出しました。手札2 スペードの3。カウント 12。選択可能 手札2、手札4"
QString playAnnouncement(const Game& game, int slot, Message messageBefore);

}  // namespace troven::accessible
