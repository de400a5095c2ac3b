#include "program_identity.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "artwork.h"
#include "picture_loader.h"

namespace troven {
namespace {

QIcon iconOfSizes(std::initializer_list<int> sizes, qreal devicePixelRatio) {
    QIcon icon;
    for (int size : sizes) {
        icon.addPixmap(assets::loadPicture(QStringLiteral(":/icon/troven-%1.png").arg(size), 1.0));
    }
    const int scaled = static_cast<int>(std::lround(art::kIconDesignSize * devicePixelRatio));
    if (std::find(sizes.begin(), sizes.end(), scaled) == sizes.end()) {
        icon.addPixmap(QPixmap::fromImage(art::renderProgramIcon(scaled)));
    }
    return icon;
}

}  // namespace

QIcon programIcon(qreal devicePixelRatio) {
    return iconOfSizes({32, 48, 64, 128, 256}, devicePixelRatio);
}

QIcon smallProgramIcon(qreal devicePixelRatio) { return iconOfSizes({32}, devicePixelRatio); }

}  // namespace troven
