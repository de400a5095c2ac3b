#include "widgets/hand_slot_box.h"

#include "looks/qt_colours.h"
#include "looks/table_colours.h"
#include "widgets/keyboard_focus_mark.h"

namespace troven {

HandSlotBox::HandSlotBox(int index, QWidget* parent)
    : PictureBoxWidget(Border::Flat, toQColor(colour::kWindowBackground), parent),
      SpokenWidget(QAccessible::Client) {
    setIndex(index);
    setFocusPolicy(Qt::TabFocus);
}

void HandSlotBox::paintEvent(QPaintEvent* event) {
    PictureBoxWidget::paintEvent(event);
    keyboard_focus_mark::paintIfShown(this);
}

}  // namespace troven
