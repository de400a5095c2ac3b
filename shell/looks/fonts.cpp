#include "looks/fonts.h"

namespace troven::fonts {

void installSubstitutes() {
    QFont::insertSubstitution(QString::fromUtf8(kPGothic), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QString::fromUtf8(kGothic), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QString::fromUtf8(kMincho), QStringLiteral("IPAMincho"));
}

QFont face(const char* name, qreal points, Style style) {
    QFont font(QString::fromUtf8(name));
    font.setPointSizeF(points);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

}  // namespace troven::fonts
