#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "card.h"
#include "tracker.h"

namespace troven {

// What a picture box shows.
struct Picture {
    enum class Kind : std::uint8_t { None, CardBack, Face };
    Kind kind = Kind::None;
    Card face = 0;  // the card number, for Kind::Face

    static constexpr Picture none() { return {}; }
    static constexpr Picture cardBack() { return {Kind::CardBack, 0}; }
    static constexpr Picture faceOf(Card card) { return {Kind::Face, card}; }
    friend bool operator==(const Picture&, const Picture&) = default;
};

// A picture box with a flat 1-pixel border that sizes itself to its picture.
struct PictureBox {
    static constexpr int kCreatedWidth = 57;
    static constexpr int kCreatedHeight = 73;
    static constexpr int kCardWidth = 48;
    static constexpr int kCardHeight = 68;
    static constexpr int kBorder = 1;

    Picture picture;
    bool visible = true;
    bool enabled = true;
    int width = kCreatedWidth;
    int height = kCreatedHeight;

    // Every picture is a 48 x 68 card; with no picture the box keeps the size it had.
    void assign(Picture p) {
        picture = p;
        if (p.kind != Picture::Kind::None) {
            width = kCardWidth + 2 * kBorder;
            height = kCardHeight + 2 * kBorder;
        }
    }
};

// Everything of the main window that the game changes, as plain values the window mirrors.
struct TableControls {
    std::array<PictureBox, kHandSize> Picture2;        // the hand slots
    PictureBox Picture3;                               // the pile
    std::array<std::string_view, kHandSize> Label5{};  // "SELECTABLE" under a playable slot
    std::string Label6;                                // the count
    std::string_view Label7;                           // the message line
    Tracker tracker;                                   // Label1..Label4, one row a suit
};

}  // namespace troven
