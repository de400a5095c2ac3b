#pragma once

class QDir;

namespace troven::assetgen {

// Draws every picture and synthesises both sounds into folder:
// cards/, suits/, icon/, sounds/ and emblem.png.
// Throws std::runtime_error when a file cannot be written.
void writeAllAssets(const QDir& folder);

}  // namespace troven::assetgen
