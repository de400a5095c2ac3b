#include "hand_slot_box.h"

#include <QPainter>

#include "keyboard_focus_mark.h"
#include "qt_colours.h"
#include "table_colours.h"

namespace troven {

HandSlotBox::HandSlotBox(int index, QWidget* parent)
    : PictureBoxWidget(Border::Flat, toQColor(colour::kWindowBackground), parent),
      SpokenWidget(QAccessible::Client) {
    setIndex(index);
    setFocusPolicy(Qt::TabFocus);
}

void HandSlotBox::paintEvent(QPaintEvent* event) {
    PictureBoxWidget::paintEvent(event);
    if (keyboard_focus_mark::isShownOn(this)) {
        QPainter p(this);
        keyboard_focus_mark::paint(p, this);
    }
}

}  // namespace troven
