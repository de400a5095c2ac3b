#include "game/shuffle.h"

#include <cassert>
#include <utility>

namespace troven {

int deckPositionOf(float r) {
    assert(r >= 0.0f && r < 1.0f);
    return static_cast<int>(r * static_cast<float>(kDeckSize));
}

void shuffleDeck(DeckArray& deck, RandomSource& random) {
    for (int i = 0; i < kDeckSize; ++i) {
        deck[static_cast<std::size_t>(i)] = static_cast<Card>(i);
    }
    random.reseed();
    for (int exchange = 1; exchange <= kDeckSize; ++exchange) {
        const int a = deckPositionOf(random.next());
        const int b = deckPositionOf(random.next());
        std::swap(deck[static_cast<std::size_t>(a)], deck[static_cast<std::size_t>(b)]);
    }
}

}  // namespace troven
