#include "picture_loader.h"

namespace troven::assets {

QString cardFacePath(int cardNumber) {
    return QString::asprintf(":/cards/face_%02d.png", cardNumber);
}

QPixmap loadPicture(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0 && path.endsWith(QLatin1String(".png"))) {
        QString twin = path;
        twin.insert(twin.size() - 4, QLatin1String("@2x"));
        // Qt reads the ratio 2 from the "@2x" in the name.
        const QPixmap sharp(twin);
        if (!sharp.isNull()) {
            return sharp;
        }
    }
    return QPixmap(path);
}

}  // namespace troven::assets
