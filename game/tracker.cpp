#include "game/tracker.h"

namespace troven {

void Tracker::reset() {
    cells_.fill({});
    asCreated_ = false;
}

void Tracker::markInHand(Card card) {
    CardState& state = cells_[index(card)].state;
    if (state != CardState::Played) state = CardState::InHand;
}

void Tracker::highlightMatchesOf(Card played) {
    for (int card = 0; card < kDeckSize; ++card) {
        const auto c = static_cast<Card>(card);
        cells_[index(c)].matchesLastPlay =
            c != played && (suitOf(c) == suitOf(played) || rankOf(c) == rankOf(played));
    }
}

}  // namespace troven
