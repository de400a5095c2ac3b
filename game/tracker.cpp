#include "tracker.h"

namespace troven {

Tracker::Tracker() {
    reset();
    for (TrackerLabel& l : labels_) {
        l.backColour = colour::kWhite;
    }
}

void Tracker::reset() {
    for (int card = 0; card < kDeckSize; ++card) {
        labels_[static_cast<std::size_t>(card)] = {
            kRankCaptions[static_cast<std::size_t>(rankOf(static_cast<Card>(card)))],
            suitColour(suitOf(static_cast<Card>(card))), colour::kWindowBackground};
    }
}

void Tracker::program3() {
    for (TrackerLabel& l : labels_) {
        l.backColour = colour::kWindowBackground;
    }
}

void Tracker::highlightMatchesOf(Card played) {
    const int suit = suitOf(played);
    const int rank = rankOf(played);
    for (int r = 0; r < kRanks; ++r) {
        labels_[index(cardOf(suit, r))].backColour = colour::kPink;
    }
    for (int s = 0; s < kSuits; ++s) {
        labels_[index(cardOf(s, rank))].backColour = colour::kPink;
    }
    labels_[index(played)].backColour = colour::kWindowBackground;
}

}  // namespace troven
