#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace troven::art {

// Suits in card-number order: suit = card number / 13.
enum class Suit { Spades = 0, Hearts = 1, Clubs = 2, Diamonds = 3 };

Suit suitOfCard(int cardNumber);
QColor suitColor(Suit suit);

// Fills the pip of suit inside box in the suit's colour.
void fillSuitPip(QPainter& painter, Suit suit, const QRectF& box);

}  // namespace troven::art
