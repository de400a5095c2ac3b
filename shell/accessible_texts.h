#pragma once

#include <QString>

#include "card.h"
#include "table.h"
#include "tracker.h"

// What a screen reader says of the table, in Japanese.
namespace troven::accessible {

// "スペードのA", "ハートの10", ...
QString cardName(Card card);
// A hand slot or the pile: the card it shows, its back, or nothing.
QString pictureName(const Picture& picture);
// A tracker label's card: still to come, in the hand, played; and whether it matches.
QString trackerState(const TrackerCell& cell);
// Whether a hand slot may be played now.
QString slotState(bool visible, bool playable);

}  // namespace troven::accessible
