#include "program_identity.h"

#include "picture_loader.h"

#include <initializer_list>

namespace troven {
namespace {

QIcon iconOfSizes(std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes) {
        icon.addPixmap(assets::loadPicture(QStringLiteral(":/icon/troven-%1.png").arg(size), 1.0));
    }
    return icon;
}

}  // namespace

QIcon programIcon() { return iconOfSizes({32, 48, 64, 128, 256}); }

QIcon smallProgramIcon() { return iconOfSizes({32}); }

}  // namespace troven
