#pragma once

#include <array>
#include <cstdint>

#include "card.h"
#include "controls.h"
#include "game_events.h"
#include "random_source.h"
#include "shuffle.h"

namespace troven {

// The state of one game, under the names the main window has always used.
struct GameState {
    DeckArray Deck{};
    std::int16_t DeckPos = 0;  // index of the next card to draw; 52 once the deck is used up
    std::array<Card, kHandSize> Hand{};
    Card PlayedCard = 0;
    std::int16_t PlayedSuit = 0;
    std::int16_t PlayedRank = 0;
};

// The card game of the main window, without the window: the handlers change the state and the
// controls they would change, and the window draws what controls() holds.
class Game {
  public:
    static constexpr int kDealtDeckPos = kHandSize;

    Game(RandomSource& random, GameEvents& events) : random_(random), events_(events) {}

    // Before the first game: the card back in every hand slot, the pile hidden.
    void showCardBacks();
    // New Game: reset the table, shuffle and deal five cards. Allowed at any moment.
    void mnuGameNew_Click();
    // A click on hand slot `index`. Refused (returns false, changes nothing) before the first
    // deal and for a slot that is hidden, disabled or does not exist.
    bool Picture2_Click(int index);

    bool canPlay(int index) const;
    bool isDealt() const { return state_.Deck[0].has_value(); }
    // Over (or won): dealt, and no visible slot may be played.
    bool isOver() const;
    // Cards drawn from the deck since the deal: the score.
    int count() const { return state_.DeckPos - kDealtDeckPos; }

    const GameState& state() const { return state_; }
    const TableControls& controls() const { return controls_; }

  private:
    void program2();
    void program4();
    void program5();

    RandomSource& random_;
    GameEvents& events_;
    GameState state_;
    TableControls controls_;
};

}  // namespace troven
