#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

namespace troven::art {

// One of the pictures the windows show.
struct Artwork {
    enum class Kind : std::uint8_t { CardFace, CardBack, SuitSymbol, Emblem };
    Kind kind = Kind::CardBack;
    int index = 0;  // the card number of a face, the suit of a symbol

    static constexpr Artwork face(int cardNumber) { return {Kind::CardFace, cardNumber}; }
    static constexpr Artwork cardBack() { return {Kind::CardBack, 0}; }
    static constexpr Artwork suitSymbol(int suit) { return {Kind::SuitSymbol, suit}; }
    static constexpr Artwork emblem() { return {Kind::Emblem, 0}; }
    friend bool operator==(const Artwork&, const Artwork&) = default;
};

// Every artwork: the 52 faces, the back, the four suit symbols and the emblem.
std::vector<Artwork> allArtworks();

// Its name as a file and resource path without extension: "cards/face_07", "suits/heart".
QString artworkName(Artwork artwork);

// Its size in logical pixels, the size it is laid out at.
QSize logicalSize(Artwork artwork);

// The artwork drawn at ratio device pixels to the logical pixel: every edge and line is placed
// on that pixel grid, not sampled from another size. The image carries the ratio, so it lays out
// at the logical size; a size that is not a whole number of device pixels is rounded up.
QImage drawArtwork(Artwork artwork, qreal ratio);

// The size the windows show the program icon at, and the grid it is designed on.
inline constexpr int kIconDesignSize = 32;

// The program icon at size x size pixels in the 16-colour palette of the classic window system,
// drawn without smoothing for a crisp limited-palette look.
QImage renderProgramIcon(int size);

}  // namespace troven::art
