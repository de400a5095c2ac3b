#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace troven {

// A card is named by its number 0..51: suit = number / 13 (0 spades, 1 hearts, 2 clubs,
// 3 diamonds), rank = number % 13 (0 ace, 1..9 the two to the ten, 10 jack, 11 queen, 12 king).
using Card = std::int16_t;

inline constexpr int kSuits = 4;
inline constexpr int kRanks = 13;
inline constexpr int kDeckSize = kSuits * kRanks;
inline constexpr int kHandSize = 5;

constexpr int suitOf(Card card) { return card / kRanks; }
constexpr int rankOf(Card card) { return card % kRanks; }
constexpr Card cardOf(int suit, int rank) { return static_cast<Card>(suit * kRanks + rank); }

// The rank as the tracker and the card faces write it.
inline constexpr std::array<std::string_view, kRanks> kRankCaptions = {
    "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
constexpr std::string_view rankCaptionOf(Card card) {
    return kRankCaptions[static_cast<std::size_t>(rankOf(card))];
}

}  // namespace troven
