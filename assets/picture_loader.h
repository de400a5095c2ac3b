#pragma once

#include <QPixmap>
#include <QString>

#include "art/artwork.h"

namespace troven::assets {

// Resource path of the face of card cardNumber (0 to 51): ":/cards/face_07.png".
QString cardFacePath(int cardNumber);

// Loads a picture from the resources for a screen of the given device pixel ratio. Above 1 it
// takes the name@2x.png twin when there is one; that pixmap carries device pixel ratio 2, so it
// lays out at the size of the plain picture. (QPixmap alone never looks for the twin.)
QPixmap loadPicture(const QString& path, qreal devicePixelRatio);

// The artwork for a screen of the given device pixel ratio: at 1 and 2 the picture from the
// resources, at any other ratio drawn for it; kept in Qt's pixmap cache, so each is read or
// drawn once. Should the drawing fail (its font file missing), the resources' nearest picture
// stands in.
QPixmap pictureFor(art::Artwork artwork, qreal devicePixelRatio);

}  // namespace troven::assets
