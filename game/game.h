#pragma once

#include <array>
#include <cstdint>

#include "game/card.h"
#include "game/random_source.h"
#include "game/shuffle.h"
#include "game/table_contents.h"
#include "game/tracker.h"

namespace troven {

struct SavedGame;

// The state of one game, under the names the main window has always used.
struct GameState {
    DeckArray Deck{};
    std::int16_t DeckPos = 0;  // index of the next card to draw; 52 once the deck is used up
    std::array<Card, kHandSize> Hand{};
    Card PlayedCard = 0;
    std::int16_t PlayedSuit = 0;
    std::int16_t PlayedRank = 0;
    friend bool operator==(const GameState&, const GameState&) = default;
};

// What a play did: refused (nothing changed) or played, and whether it ended the game, with the
// count after it.
struct PlayOutcome {
    bool played = false;
    bool gameEnded = false;
    int count = 0;
    friend bool operator==(const PlayOutcome&, const PlayOutcome&) = default;
};

// The card game of the main window, without the window: deal, play, the rule for the next play,
// the tracker and the end of a game. The window shows what the accessors hold and acts on what
// a play returns.
class Game {
  public:
    static constexpr int kDealtDeckPos = kHandSize;

    explicit Game(RandomSource& random) : random_(random) {}

    // Before the first game: the card back in every hand slot, the pile hidden.
    void showCardBacks();
    // New Game: reset the table, shuffle and deal five cards. Allowed at any moment.
    void newGame();
    // Plays hand slot `slot`. Refused (changes nothing) unless canPlay(slot).
    PlayOutcome play(int slot);
    // Brings back a game as it was saved (saved_game.h): its table, without a sound or its end.
    void resume(const SavedGame& saved);

    // Dealt, and the slot exists, holds a card and shares the last card's suit or rank.
    bool canPlay(int slot) const;
    bool isDealt() const { return state_.Deck[0].has_value(); }
    // Over (or won): dealt, and no slot may be played.
    bool isOver() const;
    // Cards drawn from the deck since the deal: the score.
    int count() const { return state_.DeckPos - kDealtDeckPos; }

    const GameState& state() const { return state_; }
    const std::array<HandSlot, kHandSize>& hand() const { return hand_; }
    const Pile& pile() const { return pile_; }
    Message message() const { return message_; }
    const Tracker& tracker() const { return tracker_; }

  private:
    void recordPlayedCard();
    void markPlayableSlots();
    Message endMessage() const;
    bool judgeNextPlays();

    RandomSource& random_;
    GameState state_;
    std::array<HandSlot, kHandSize> hand_{};
    Pile pile_;
    Message message_ = Message::None;
    Tracker tracker_;
};

}  // namespace troven
