#include "picture_output.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include <stdexcept>

namespace troven::assetgen {

namespace {

// A fixed resolution (96 dpi) keeps the files identical whatever screen the generator sees.
constexpr int kDotsPerMeter = 3780;

}  // namespace

void savePng(const QImage& image, const QDir& folder, const QString& relativePath) {
    const QString path = folder.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).path())) {
        throw std::runtime_error("cannot create the folder of " + path.toStdString());
    }
    QImage stamped = image;
    stamped.setDotsPerMeterX(kDotsPerMeter);
    stamped.setDotsPerMeterY(kDotsPerMeter);
    QImageWriter writer(path, "png");
    if (!writer.write(stamped)) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
    }
}

void writePicture(const QDir& folder, art::Artwork artwork) {
    const QString name = art::artworkName(artwork);
    savePng(art::drawArtwork(artwork, 1.0), folder, name + ".png");
    savePng(art::drawArtwork(artwork, 2.0), folder, name + "@2x.png");
}

}  // namespace troven::assetgen
