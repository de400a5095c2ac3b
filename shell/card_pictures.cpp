#include "card_pictures.h"

#include "picture_loader.h"

namespace troven {

const QPixmap& CardPictures::of(Picture picture) {
    switch (picture.kind) {
        case Picture::Kind::None:
            return Picture4;
        case Picture::Kind::CardBack:
            if (Picture6.isNull()) {
                Picture6 =
                    assets::loadPicture(QStringLiteral(":/cards/back.png"), devicePixelRatio_);
            }
            return Picture6;
        case Picture::Kind::Face:
            break;
    }
    QPixmap& face = Picture1[static_cast<std::size_t>(picture.face)];
    if (face.isNull()) {
        face = assets::loadPicture(assets::cardFacePath(picture.face), devicePixelRatio_);
    }
    return face;
}

}  // namespace troven
