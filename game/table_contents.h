#pragma once

#include <cstdint>

#include "game/card.h"

namespace troven {

// What a hand slot or the pile shows.
struct Picture {
    enum class Kind : std::uint8_t { None, CardBack, Face };
    Kind kind = Kind::None;
    Card face = 0;  // the card number, for Kind::Face

    static constexpr Picture none() { return {}; }
    static constexpr Picture cardBack() { return {Kind::CardBack, 0}; }
    static constexpr Picture faceOf(Card card) { return {Kind::Face, card}; }
    friend bool operator==(const Picture&, const Picture&) = default;
};

// The pile: the card played last, hidden until the first play of a game.
struct Pile {
    Picture picture;
    bool visible = true;
    friend bool operator==(const Pile&, const Pile&) = default;
};

// A hand slot: its card, whether it still holds one (an emptied slot is hidden), and whether it
// may be played now.
struct HandSlot {
    Picture picture;
    bool visible = true;
    bool playable = false;
    friend bool operator==(const HandSlot&, const HandSlot&) = default;
};

// The message line under the hand.
enum class Message : std::uint8_t { None, GoodLuck, SelectACard, GameOver, Congratulation };

}  // namespace troven
