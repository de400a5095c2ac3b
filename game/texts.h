#pragma once

#include <string_view>

namespace troven::text {

inline constexpr std::string_view kSelectable = "SELECTABLE";
inline constexpr std::string_view kGoodLuck = "GOOD LUCK!";
inline constexpr std::string_view kSelectACard = "Select a Card";
inline constexpr std::string_view kGameOver = "ＧＡＭＥ　ＯＶＥＲ・・・";
inline constexpr std::string_view kCongratulation = "CONGRATULATION ! ";

}  // namespace troven::text
