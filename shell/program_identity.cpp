#include "program_identity.h"

namespace troven {

QIcon programIcon() {
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icon/troven-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace troven
