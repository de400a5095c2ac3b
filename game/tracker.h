#pragma once

#include <array>
#include <cstdint>

#include "game/card.h"

namespace troven {

// Where a card is, as the tracker tells it.
enum class CardState : std::uint8_t {
    ToCome,  // still in the deck
    InHand,  // dealt into the hand
    Played,  // on the pile
};

struct TrackerCell {
    CardState state = CardState::ToCome;
    // Shares the suit or the rank of the card played last, and is not that card.
    bool matchesLastPlay = false;
    friend bool operator==(const TrackerCell&, const TrackerCell&) = default;
};

// The 4 x 13 card tracker: one row a suit, one column a rank.
class Tracker {
  public:
    const TrackerCell& cell(Card card) const { return cells_[index(card)]; }
    // Before the first New Game: the tracker as the window creates it.
    bool isAsCreated() const { return asCreated_; }

    // New Game: every card still to come, no highlight.
    void reset();
    // A card dealt into the hand; one already played stays played.
    void markInHand(Card card);
    void markPlayed(Card card) { cells_[index(card)].state = CardState::Played; }
    // Highlights the suit row and the rank column of the card played last, less the card itself,
    // and nothing else.
    void highlightMatchesOf(Card played);

  private:
    static std::size_t index(Card card) { return static_cast<std::size_t>(card); }

    std::array<TrackerCell, kDeckSize> cells_{};
    bool asCreated_ = true;
};

}  // namespace troven
