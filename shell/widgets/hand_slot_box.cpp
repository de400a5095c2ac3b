#include "widgets/hand_slot_box.h"

#include "art/colours.h"
#include "widgets/keyboard_focus_mark.h"

namespace troven {

HandSlotBox::HandSlotBox(int index, QWidget* parent)
    : PictureBoxWidget(Border::Flat, colours::desktopWindowBackground(), parent),
      SpokenWidget(QAccessible::Client) {
    setIndex(index);
    setFocusPolicy(Qt::TabFocus);
}

void HandSlotBox::paintEvent(QPaintEvent* event) {
    PictureBoxWidget::paintEvent(event);
    keyboard_focus_mark::paintIfShown(this);
}

}  // namespace troven
