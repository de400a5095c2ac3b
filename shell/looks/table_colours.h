#pragma once

#include <cstdint>

namespace troven {

// The table's colours as the layout gives them: 0x00BBGGRR, or a system colour with the top bit
// set.
using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kPink = 0xFFC0FF;
// The desktop's colour for a window's background (white in the standard scheme).
inline constexpr Colour kWindowBackground = 0x80000005;
}  // namespace colour

// The tracker row colour of a suit: black spades and clubs, red hearts and diamonds.
constexpr Colour suitColour(int suit) { return suit % 2 == 0 ? colour::kBlack : colour::kRed; }

}  // namespace troven
