#include "widgets/picture_box_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "art/colours.h"
#include "assets/picture_loader.h"
#include "widgets/pixel_ring.h"

namespace troven {

PictureBoxWidget::PictureBoxWidget(Border border, const QColor& background, QWidget* parent)
    : QWidget(parent), border_(border), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect PictureBoxWidget::interior() const {
    const int b = borderWidth();
    return rect().adjusted(b, b, -b, -b);
}

void PictureBoxWidget::setPicture(std::optional<art::Artwork> artwork) {
    if (artwork == artwork_) return;
    artwork_ = artwork;
    update();
}

void PictureBoxWidget::fitToPicture() {
    if (artwork_) resize(art::logicalSize(*artwork_).grownBy(QMargins() + borderWidth()));
}

QPixmap PictureBoxWidget::picture() const {
    return artwork_ ? assets::pictureFor(*artwork_, devicePixelRatioF()) : QPixmap();
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), background_);
    if (artwork_) {
        p.save();
        p.setClipRect(interior());
        p.drawPixmap(interior().topLeft(), picture());
        p.restore();
    }
    switch (border_) {
        case Border::None:
            break;
        case Border::Flat:
            fillPixelRing(p, rect(), colours::kFlatFrame, colours::kFlatFrame);
            break;
        case Border::Sunken:
            fillPixelRing(p, rect(), colours::kSunkenOuterShadow, colours::kSunkenOuterLight);
            fillPixelRing(p, rect().adjusted(1, 1, -1, -1), colours::kSunkenInnerShadow,
                          colours::kSunkenInnerLight);
            break;
    }
}

void PictureBoxWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked(index_);
}

}  // namespace troven
