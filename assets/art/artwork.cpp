#include "art/artwork.h"

#include <QPainter>

#include <cmath>

#include "art/painters.h"

namespace troven::art {

std::vector<Artwork> allArtworks() {
    std::vector<Artwork> all;
    for (int card = 0; card < 52; ++card) {
        all.push_back(Artwork::face(card));
    }
    all.push_back(Artwork::cardBack());
    for (int suit = 0; suit < 4; ++suit) {
        all.push_back(Artwork::suitSymbol(suit));
    }
    all.push_back(Artwork::emblem());
    return all;
}

QString artworkName(Artwork artwork) {
    static const char* const kSuitNames[4] = {"spade", "heart", "club", "diamond"};
    switch (artwork.kind) {
        case Artwork::Kind::CardFace:
            return QString::asprintf("cards/face_%02d", artwork.index);
        case Artwork::Kind::CardBack:
            return QStringLiteral("cards/back");
        case Artwork::Kind::SuitSymbol:
            return QStringLiteral("suits/") + QLatin1String(kSuitNames[artwork.index]);
        case Artwork::Kind::Emblem:
            break;
    }
    return QStringLiteral("emblem");
}

QSize logicalSize(Artwork artwork) {
    switch (artwork.kind) {
        case Artwork::Kind::CardFace:
        case Artwork::Kind::CardBack:
            return kCardSize;
        case Artwork::Kind::SuitSymbol:
            return kSuitSymbolSize;
        case Artwork::Kind::Emblem:
            break;
    }
    return kEmblemSize;
}

QImage drawArtwork(Artwork artwork, qreal ratio) {
    const QSizeF size = QSizeF(logicalSize(artwork)) * ratio;
    QImage image(static_cast<int>(std::ceil(size.width())),
                 static_cast<int>(std::ceil(size.height())), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ratio, ratio);
        switch (artwork.kind) {
            case Artwork::Kind::CardFace:
                paintCardFace(painter, artwork.index);
                break;
            case Artwork::Kind::CardBack:
                paintCardBack(painter);
                break;
            case Artwork::Kind::SuitSymbol:
                paintSuitSymbol(painter, static_cast<Suit>(artwork.index));
                break;
            case Artwork::Kind::Emblem:
                paintEmblem(painter);
                break;
        }
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace troven::art
