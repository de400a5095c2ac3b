#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class QDir;
class QPainter;

namespace troven::assetgen {

// Paints a picture in its logical pixel coordinates; the caller has already scaled the painter.
using PicturePainter = std::function<void(QPainter&)>;

// Renders an opaque picture at scale times its logical size, drawn at that resolution.
QImage renderPicture(QSize logicalSize, int scale, const PicturePainter& paint);

// Writes image as a PNG file at folder/relativePath, creating folders as needed.
// Throws std::runtime_error when the file cannot be written.
void savePng(const QImage& image, const QDir& folder, const QString& relativePath);

// Writes name.png and name@2x.png, the latter drawn at twice the size for 200% screens.
void writePicture(const QDir& folder, const QString& name, QSize logicalSize,
                  const PicturePainter& paint);

}  // namespace troven::assetgen
