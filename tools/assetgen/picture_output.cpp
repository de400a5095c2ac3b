#include "picture_output.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <stdexcept>

namespace troven::assetgen {

namespace {

// A fixed resolution (96 dpi) keeps the files identical whatever screen the generator sees.
constexpr int kDotsPerMeter = 3780;

}  // namespace

QImage renderPicture(QSize logicalSize, int scale, const PicturePainter& paint) {
    QImage image(logicalSize * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paint(painter);
    return image;
}

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

void writePicture(const QDir& folder, const QString& name, QSize logicalSize,
                  const PicturePainter& paint) {
    savePng(renderPicture(logicalSize, 1, paint), folder, name + ".png");
    savePng(renderPicture(logicalSize, 2, paint), folder, name + "@2x.png");
}

}  // namespace troven::assetgen
