#include "looks/program_identity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "art/artwork.h"
#include "assets/picture_loader.h"
#include "program_facts.h"

namespace troven {
namespace {

QIcon iconOfSizes(std::span<const int> sizes, qreal devicePixelRatio) {
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

QString programName() { return QString::fromUtf8(facts::kProgramName); }

QString mainWindowTitle() { return programName().replace(u' ', QStringLiteral("  ")); }

QIcon programIcon(qreal devicePixelRatio) {
    return iconOfSizes(facts::kIconSizes, devicePixelRatio);
}

QIcon smallProgramIcon(qreal devicePixelRatio) {
    static constexpr std::array kDesignSizeOnly{art::kIconDesignSize};
    return iconOfSizes(kDesignSizeOnly, devicePixelRatio);
}

}  // namespace troven
