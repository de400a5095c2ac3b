#pragma once

#include <QFont>

namespace troven::fonts {

// The faces the windows are laid out with. Debian has metric twins of them (the IPA fonts), which
// installSubstitutes() puts in their place, since fontconfig does not map these names itself.
inline constexpr const char* kPGothic = "ＭＳ Ｐゴシック";  // proportional sans-serif
inline constexpr const char* kGothic = "ＭＳ ゴシック";     // fixed-pitch sans-serif
inline constexpr const char* kMincho = "ＭＳ 明朝";         // serif

void installSubstitutes();

struct Style {
    bool bold = false;
    bool italic = false;
};
QFont face(const char* name, qreal points, Style style = {});

}  // namespace troven::fonts
