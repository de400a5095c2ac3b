#include "art/rank_text.h"

#include <QList>
#include <QPointF>
#include <QRawFont>

#include <stdexcept>

namespace troven::art {

namespace {

// DejaVu Sans Bold from the Debian package fonts-dejavu-core.
constexpr const char* kRankFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr double kProbeSize = 100.0;

// The face at a probe size, read once: the program draws faces one by one as they first show.
// Never destroyed, so that it outlives the application object.
const QRawFont& rankFont() {
    static const QRawFont* const font = [] {
        auto* loaded = new QRawFont(QString::fromLatin1(kRankFontFile), kProbeSize);
        if (!loaded->isValid() || loaded->capHeight() <= 0.0) {
            delete loaded;
            throw std::runtime_error(std::string("cannot load the font file ") + kRankFontFile);
        }
        return loaded;
    }();
    return *font;
}

}  // namespace

QPainterPath rankTextPath(const QString& text, double capHeight) {
    QRawFont font = rankFont();
    font.setPixelSize(kProbeSize * capHeight / font.capHeight());
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QPainterPath path;
    QPointF pen(0.0, 0.0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return path;
}

}  // namespace troven::art
