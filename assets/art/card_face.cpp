#include <QPainter>
#include <QPainterPath>

#include "art/artwork.h"
#include "art/colours.h"
#include "art/painters.h"
#include "art/rank_text.h"
#include "game/card.h"

namespace troven::art {

namespace {

// Whole pixels for the height and top of the capitals keep their top and bottom edges sharp.
constexpr double kRankCapHeight = 10.0;
// Centre line of the corner index (rank above its small pip).
constexpr double kIndexCentreX = 10.5;
constexpr double kRankTop = 3.0;
// "10" is narrowed to this width so that it keeps clear of the frame.
constexpr double kRankMaxWidth = 15.0;

// Draws the rank centred on the index line, the top of its capitals at kRankTop.
void drawRank(QPainter& painter, const QString& text, const QColor& color) {
    const QPainterPath glyphs = rankTextPath(text, kRankCapHeight);
    const QRectF bounds = glyphs.boundingRect();
    const double squeeze = bounds.width() > kRankMaxWidth ? kRankMaxWidth / bounds.width() : 1.0;
    QTransform place;
    place.translate(kIndexCentreX, kRankTop + kRankCapHeight);
    place.scale(squeeze, 1.0);
    place.translate(-bounds.center().x(), 0.0);
    painter.fillPath(place.map(glyphs), color);
}

}  // namespace

void paintCardFace(QPainter& painter, int cardNumber) {
    const Suit suit = suitOfCard(cardNumber);
    painter.fillRect(QRectF(QPointF(0, 0), kCardSize), colours::kTable);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kCardSize.width() - 1.0, kCardSize.height() - 1.0),
                            4.0, 4.0);

    const std::string_view rank = rankCaptionOf(static_cast<Card>(cardNumber));
    drawRank(painter, QString::fromLatin1(rank), suitColor(suit));
    fillSuitPip(painter, suit, QRectF(kIndexCentreX - 5.5, 18.5, 11.0, 11.0));
    fillSuitPip(painter, suit, QRectF(20.0, 36.0, 24.0, 28.0));
}

}  // namespace troven::art
