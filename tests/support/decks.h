#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>

#include "game/card.h"

namespace troven::testing {

// A deck that starts with `front`, followed by every other card in ascending order.
inline std::array<Card, kDeckSize> deckStartingWith(std::initializer_list<Card> front) {
    std::array<Card, kDeckSize> deck{};
    std::size_t n = 0;
    for (Card c : front) deck[n++] = c;
    for (int c = 0; c < kDeckSize; ++c) {
        if (std::find(front.begin(), front.end(), c) == front.end()) {
            deck[n++] = static_cast<Card>(c);
        }
    }
    return deck;
}

// A deal whose first play (the ace of spades from slot 0) ends the game with a count of 1: the
// 7 of diamonds drawn into slot 0 and the rest of the hand (2 and 6 of hearts, 3 of clubs, 4 of
// diamonds) share neither spades nor aces.
inline std::array<Card, kDeckSize> onePlayDeck() {
    return deckStartingWith({0, 14, 28, 42, 18, 45});
}

// A deck played out whole by always playing slot 0, then slots 1, 2, 3, 4: slot 0 walks the
// spades up, hearts down, clubs up and diamonds down to the 5; slots 1..4 hold 4, 3, 2, A of
// diamonds. Every card shares the suit or the rank of the one before it.
inline std::array<Card, kDeckSize> winningDeck() {
    std::array<Card, kDeckSize> path{};
    std::size_t n = 0;
    for (int r = 0; r < 13; ++r) path[n++] = cardOf(0, r);
    for (int r = 12; r >= 0; --r) path[n++] = cardOf(1, r);
    for (int r = 0; r < 13; ++r) path[n++] = cardOf(2, r);
    for (int r = 12; r >= 0; --r) path[n++] = cardOf(3, r);
    std::array<Card, kDeckSize> deck{};
    deck[0] = path[0];
    for (std::size_t k = 1; k <= 4; ++k) deck[k] = path[47 + k];
    for (std::size_t i = 5; i < kDeckSize; ++i) deck[i] = path[i - 4];
    return deck;
}

}  // namespace troven::testing
