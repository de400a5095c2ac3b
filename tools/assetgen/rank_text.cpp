#include "rank_text.h"

#include <QList>
#include <QPointF>
#include <QRawFont>
#include <stdexcept>

namespace troven::assetgen {

namespace {

// DejaVu Sans Bold from the Debian package fonts-dejavu-core.
constexpr const char* kRankFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

}  // namespace

QPainterPath rankTextPath(const QString& text, double capHeight) {
    constexpr double kProbeSize = 100.0;
    QRawFont font(QString::fromLatin1(kRankFontFile), kProbeSize);
    if (!font.isValid() || font.capHeight() <= 0.0) {
        throw std::runtime_error(std::string("cannot load the font file ") + kRankFontFile);
    }
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

}  // namespace troven::assetgen
