#include "widgets/caption_fit.h"

#include <QImage>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace troven {

namespace {

// Background left at each side of the ink, in logical pixels: one pixel, and room for the
// smoothing of the glyphs' edges at any scale.
constexpr qreal kClearance = 1.5;
// The caption is measured drawn at this many device pixels to the logical pixel.
constexpr int kFine = 4;

// The leftmost and rightmost logical x of the ink that text leaves centred in a box of size.
std::pair<qreal, qreal> inkSpan(const QFont& font, const QString& text, QSize size) {
    QImage image(size * kFine, QImage::Format_Grayscale8);
    image.setDevicePixelRatio(kFine);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, text);
    }
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] != 255) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {static_cast<qreal>(left) / kFine, static_cast<qreal>(right + 1) / kFine};
}

}  // namespace

void fitCaption(QLabel* label, const QString& caption) {
    const QSize size = label->size();
    QFont font = label->font();
    // Tighter spacing first, down to 88% of each character's advance, then narrower glyphs.
    struct Narrowing {
        int spacing;
        int stretch;
    };
    constexpr Narrowing kSteps[] = {{100, 100}, {94, 100}, {88, 100}, {88, 95}, {88, 90},
                                    {88, 85},   {88, 80},  {88, 75},  {88, 70}};
    std::pair<qreal, qreal> ink;
    for (const Narrowing& step : kSteps) {
        font.setLetterSpacing(QFont::PercentageSpacing, step.spacing);
        font.setStretch(step.stretch);
        ink = inkSpan(font, caption, size);
        if (ink.second - ink.first <= size.width() - 2 * kClearance) break;
    }
    label->setFont(font);
    // The label centres the characters' advances; a margin on one side centres the ink instead.
    const int shift = static_cast<int>(std::lround(ink.first + ink.second - size.width()));
    label->setContentsMargins(std::max(-shift, 0), 0, std::max(shift, 0), 0);
}

}  // namespace troven
