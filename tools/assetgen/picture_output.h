#pragma once

#include <QImage>
#include <QString>

#include "art/artwork.h"

class QDir;

namespace troven::assetgen {

// Writes image as a PNG file at folder/relativePath, creating folders as needed.
// Throws std::runtime_error when the file cannot be written.
void savePng(const QImage& image, const QDir& folder, const QString& relativePath);

// Writes name.png and name@2x.png, the latter drawn at twice the size for 200% screens.
void writePicture(const QDir& folder, art::Artwork artwork);

}  // namespace troven::assetgen
