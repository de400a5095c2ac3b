#include "looks/card_pictures.h"

namespace troven {

std::optional<art::Artwork> artworkOf(Picture picture) {
    switch (picture.kind) {
        case Picture::Kind::None:
            break;
        case Picture::Kind::CardBack:
            return art::Artwork::cardBack();
        case Picture::Kind::Face:
            return art::Artwork::face(picture.face);
    }
    return std::nullopt;
}

}  // namespace troven
