#pragma once

class QPainter;
class QWidget;

namespace troven::keyboard_focus_mark {

// Whether `widget` is to show that it has the keyboard focus: it has the focus and the player's
// last key or mouse button was a key. A game played with the mouse never shows the mark.
bool isShownOn(const QWidget* widget);
// The mark: an orange frame two pixels wide just inside the widget.
void paint(QPainter& p, const QWidget* widget);

}  // namespace troven::keyboard_focus_mark
