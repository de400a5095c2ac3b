#pragma once

#include <array>
#include <optional>

#include "game/card.h"
#include "game/random_source.h"

namespace troven {

// An entry is empty until the first shuffle fills the deck.
using DeckArray = std::array<std::optional<Card>, kDeckSize>;

// The shuffle: fill the deck in order 0..51, reseed, then exchange two randomly drawn positions
// 52 times. The positions are drawn independently, so an exchange may leave the deck as it was.
void shuffleDeck(DeckArray& deck, RandomSource& random);

// The deck position a random value r (0 <= r < 1) picks: floor(r * 52) in single precision.
int deckPositionOf(float r);

}  // namespace troven
