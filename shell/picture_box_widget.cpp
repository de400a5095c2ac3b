#include "picture_box_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "picture_loader.h"

namespace troven {

namespace {

// A ring one pixel wide just inside box, its top and left sides in one colour and its bottom and
// right sides in another. Filled rather than stroked, it is one logical pixel wide at any scale
// and meets the picture inside it without a gap.
void fillRing(QPainter& p, const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRect(box.left(), box.top(), box.width(), 1), topLeft);
    p.fillRect(QRect(box.left(), box.top(), 1, box.height()), topLeft);
    p.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), bottomRight);
    p.fillRect(QRect(box.right(), box.top(), 1, box.height()), bottomRight);
}

}  // namespace

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
            fillRing(p, rect(), Qt::black, Qt::black);
            break;
        case Border::Sunken:
            // The classic sunken edge: grey and white outside, black and light grey inside.
            fillRing(p, rect(), QColor(128, 128, 128), Qt::white);
            fillRing(p, rect().adjusted(1, 1, -1, -1), Qt::black, QColor(192, 192, 192));
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
