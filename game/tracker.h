#pragma once

#include <array>
#include <string_view>

#include "card.h"
#include "colours.h"

namespace troven {

// One label of the card tracker: what it says and how it is coloured.
struct TrackerLabel {
    std::string_view caption;
    Colour foreColour;
    Colour backColour;
    friend bool operator==(const TrackerLabel&, const TrackerLabel&) = default;
};

// The 4 x 13 grid of tracker labels: row s (the window's Label1..Label4) is suit s, element r of
// a row is rank r. A label tells whether its card is still to come (rank caption in the row
// colour), in or once in the hand (blue), played (no caption), and whether it matches the card
// played last (pink background).
class Tracker {
  public:
    // As the window creates the labels: rank captions in the row colours on white.
    Tracker();

    const TrackerLabel& label(Card card) const { return labels_[index(card)]; }
    const TrackerLabel& at(int suit, int rank) const { return label(cardOf(suit, rank)); }

    // New Game: every label back to its rank caption and row colour, no highlight.
    void reset();
    // Removes every highlight; captions and fore colours stay as they are.
    void program3();
    void markInHand(Card card) { labels_[index(card)].foreColour = colour::kBlue; }
    void markPlayed(Card card) { labels_[index(card)].caption = {}; }
    // Highlights the suit row and the rank column of the played card, less the card itself.
    void highlightMatchesOf(Card played);

  private:
    static std::size_t index(Card card) { return static_cast<std::size_t>(card); }

    std::array<TrackerLabel, kDeckSize> labels_;
};

}  // namespace troven
