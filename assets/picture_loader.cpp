#include "assets/picture_loader.h"

#include <QImage>
#include <QImageReader>
#include <QPixmapCache>

#include <stdexcept>
#include <utility>

namespace troven::assets {
namespace {

// Every picture here is a PNG: naming the format spares the probe of every image plugin that
// loading by file name alone makes, a cost paid at start-up for each picture.
QImage readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QString resourcePath(art::Artwork artwork) {
    return QStringLiteral(":/") + art::artworkName(artwork) + QStringLiteral(".png");
}

}  // namespace

QString cardFacePath(int cardNumber) { return resourcePath(art::Artwork::face(cardNumber)); }

QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0 && path.endsWith(QLatin1String(".png"))) {
        QString twin = path;
        twin.insert(twin.size() - 4, QLatin1String("@2x"));
        QImage sharp = readPng(twin);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return QPixmap::fromImage(std::move(sharp));
        }
    }
    return QPixmap::fromImage(readPng(path));
}

QPixmap pictureFor(art::Artwork artwork, qreal devicePixelRatio) {
    const QString path = resourcePath(artwork);
    const QString key = path + QLatin1Char('@') + QString::number(devicePixelRatio);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) return picture;
    // The resources hold each picture as drawn for 100% and 200%, which decode in a fraction of
    // the time its drawing takes.
    if (devicePixelRatio == 1.0 || devicePixelRatio == 2.0) {
        picture = loadPicture(path, devicePixelRatio);
    } else {
        try {
            picture = QPixmap::fromImage(art::drawArtwork(artwork, devicePixelRatio));
        } catch (const std::runtime_error&) {
            picture = loadPicture(path, devicePixelRatio);
        }
    }
    QPixmapCache::insert(key, picture);
    return picture;
}

}  // namespace troven::assets
