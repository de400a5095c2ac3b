#pragma once

#include <array>
#include <iosfwd>
#include <optional>

#include "game/card.h"
#include "game/game.h"

namespace troven {

// A game as it stands, all that is needed to bring its table back: the rest (the slots that may
// be played, the tracker, the message, the count) follows from it.
struct SavedGame {
    GameState state;
    std::array<bool, kHandSize>
        emptied{};           // slots whose last card was played with the deck used up
    bool pileShown = false;  // a card was played since the deal
    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// Nothing to save before the first deal.
std::optional<SavedGame> savedGameOf(const Game& game);

// Writes the game as a few lines of text, and reads them back: nullopt for text that is short,
// not written by writeGame, or describes no game the rules can reach (a card twice, a hand card
// not yet drawn, an emptied slot with cards left to draw). Reading takes exactly its own lines.
void writeGame(std::ostream& out, const SavedGame& game);
std::optional<SavedGame> readGame(std::istream& in);

}  // namespace troven
