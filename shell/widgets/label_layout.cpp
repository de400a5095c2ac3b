#include "widgets/label_layout.h"

namespace troven {

QLabel* makeLabel(QWidget* parent, const QRect& geometry, const QFont& font,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    layOutLabel(label, geometry, font, alignment);
    return label;
}

void layOutLabel(QLabel* label, const QRect& geometry, const QFont& font, Qt::Alignment alignment) {
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setAutoFillBackground(true);
    label->setTextFormat(Qt::PlainText);
}

void setLabelColours(QLabel* label, const QColor& fore, const QColor& back) {
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) == fore && palette.color(QPalette::Window) == back) {
        return;
    }
    palette.setColor(QPalette::WindowText, fore);  // in every colour group, disabled included
    palette.setColor(QPalette::Window, back);
    label->setPalette(palette);
}

}  // namespace troven
