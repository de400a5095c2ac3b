#pragma once

#include <string_view>

#include "game/table_contents.h"

namespace troven::text {

// Under a hand slot that may be played.
inline constexpr std::string_view kSelectable = "SELECTABLE";

constexpr std::string_view of(Message message) {
    switch (message) {
        case Message::None:
            break;
        case Message::GoodLuck:
            return "GOOD LUCK!";
        case Message::SelectACard:
            return "Select a Card";
        case Message::GameOver:
            return "ＧＡＭＥ　ＯＶＥＲ・・・";
        case Message::Congratulation:
            return "CONGRATULATION ! ";
    }
    return {};
}

}  // namespace troven::text
