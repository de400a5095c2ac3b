#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "game/shuffle.h"
#include "scripted_random.h"

namespace troven {
namespace {

using testing::ScriptedRandom;
using testing::valueFor;

bool isPermutation(const DeckArray& deck) {
    std::set<Card> seen;
    for (const auto& entry : deck) {
        if (!entry || *entry < 0 || *entry >= kDeckSize) return false;
        seen.insert(*entry);
    }
    return seen.size() == kDeckSize;
}

TEST(Shuffle, PositionsStayOnTheDeckUpToTheLargestValueBelowOne) {
    EXPECT_EQ(deckPositionOf(0.0f), 0);
    EXPECT_EQ(deckPositionOf(std::nextafter(1.0f, 0.0f)), 51);
    // The game's own source tops out at exactly that value.
    EXPECT_EQ(toUnitFloat(0xFFFFFFFFu), std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(toUnitFloat(0u), 0.0f);
    for (int p = 0; p < kDeckSize; ++p) EXPECT_EQ(deckPositionOf(valueFor(p)), p);
}

TEST(Shuffle, ExchangesTheDrawnPairsInOrderFromTheFilledDeck) {
    // First exchange 0 <-> 51, then 1 <-> 51, then 7 <-> 7 (no change); the rest exchange 0 with 0.
    ScriptedRandom random(
        {valueFor(0), valueFor(51), valueFor(1), valueFor(51), valueFor(7), valueFor(7)});
    DeckArray deck{};
    shuffleDeck(deck, random);
    EXPECT_EQ(deck[0], 51);
    EXPECT_EQ(deck[1], 0);
    EXPECT_EQ(deck[51], 1);
    for (int i = 2; i < 51; ++i) EXPECT_EQ(deck[static_cast<std::size_t>(i)], i);
    EXPECT_EQ(random.reseeds, 1);
}

// A shuffle whose exchange number `n` swaps positions 9 and 10, every other one 0 with 0.
DeckArray shuffledSwappingNineAndTenAt(int n) {
    std::vector<float> values(static_cast<std::size_t>(2 * (n - 1)), valueFor(0));
    values.push_back(valueFor(9));
    values.push_back(valueFor(10));
    ScriptedRandom random(values);
    DeckArray deck{};
    shuffleDeck(deck, random);
    return deck;
}

TEST(Shuffle, MakesExactlyFiftyTwoExchanges) {
    EXPECT_EQ(shuffledSwappingNineAndTenAt(kDeckSize)[9], 10) << "the 52nd exchange is made";
    EXPECT_EQ(shuffledSwappingNineAndTenAt(kDeckSize + 1)[9], 9) << "a 53rd is not";
}

TEST(Shuffle, EveryShuffleStartsAgainFromTheFilledOrder) {
    ScriptedRandom random({valueFor(4), valueFor(20)});
    DeckArray deck{};
    shuffleDeck(deck, random);
    const DeckArray first = deck;
    shuffleDeck(deck, random);  // the script restarts at reseed, so the same exchanges follow
    EXPECT_EQ(deck, first);
    EXPECT_EQ(random.reseeds, 2);
}

TEST(Shuffle, TheClockSeededSourceAlwaysGivesAPermutation) {
    ClockSeededRandom random;
    DeckArray deck{};
    std::set<std::vector<Card>> orders;
    for (int n = 0; n < 2000; ++n) {
        shuffleDeck(deck, random);
        ASSERT_TRUE(isPermutation(deck));
        std::vector<Card> order;
        for (const auto& e : deck) order.push_back(*e);
        orders.insert(order);
    }
    // Reseeding from a high-resolution clock must not repeat decks shuffle after shuffle.
    EXPECT_GT(orders.size(), 1990u);
}

TEST(Shuffle, TheClockSeededSourceDrawsFromZeroToBelowOne) {
    ClockSeededRandom random;
    random.reseed();
    float low = 1.0f;
    float high = 0.0f;
    for (int n = 0; n < 200000; ++n) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    EXPECT_LT(low, 0.001f);
    EXPECT_GT(high, 0.999f);
}

}  // namespace
}  // namespace troven
