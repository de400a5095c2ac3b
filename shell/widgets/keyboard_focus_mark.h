#pragma once

class QWidget;

namespace troven::keyboard_focus_mark {

// From the widget's paintEvent, after its own painting: the mark, an orange frame two pixels wide
// just inside the widget, when the widget has the keyboard focus and the player's last key or
// mouse button was a key played on the table (not the menu's access keys, not a box's keys). A game
// played with the mouse never shows the mark.
void paintIfShown(QWidget* widget);

}  // namespace troven::keyboard_focus_mark
