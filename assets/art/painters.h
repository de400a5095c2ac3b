#pragma once

#include <QSize>

#include "art/suit_pip.h"

class QPainter;

namespace troven::art {

// Logical sizes of the pictures the windows show.
inline constexpr QSize kCardSize(48, 68);
inline constexpr QSize kSuitSymbolSize(24, 24);
inline constexpr QSize kEmblemSize(25, 25);

// Each painter draws in logical pixels of its picture; artwork.h draws them at any scale.
void paintCardFace(QPainter& painter, int cardNumber);
void paintCardBack(QPainter& painter);
void paintSuitSymbol(QPainter& painter, Suit suit);
void paintEmblem(QPainter& painter);

}  // namespace troven::art
