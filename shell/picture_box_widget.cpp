#include "picture_box_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "picture_loader.h"

namespace troven {

namespace {

// The classic sunken edge: grey and white outside, black and light grey inside.
void drawSunkenEdge(QPainter& p, const QRect& r) {
    const auto edge = [&p](QRect box, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
    };
    edge(r, QColor(128, 128, 128), Qt::white);
    edge(r.adjusted(1, 1, -1, -1), Qt::black, QColor(192, 192, 192));
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
            p.setPen(Qt::black);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
            break;
        case Border::Sunken:
            drawSunkenEdge(p, rect());
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
