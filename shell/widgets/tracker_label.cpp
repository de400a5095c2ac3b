#include "widgets/tracker_label.h"

#include "accessibility/accessible_texts.h"
#include "widgets/keyboard_focus_mark.h"

namespace troven {

// Its focus policy stays NoFocus: a label with another one lays out the "10" a pixel apart, and
// the tracker's focus moves by its own keys (TrackerPanel) and the main window's order.
// Its accessible name, though a screen reader reads the spoken one, keeps QLabel from telling it
// of every caption the game changes (dozens at a New Game).
TrackerLabel::TrackerLabel(Card card, QWidget* parent)
    : QLabel(parent), SpokenWidget(QAccessible::Client, true), card_(card) {
    setAccessibleName(accessible::cardName(card));
}

void TrackerLabel::describe(const TrackerCell& cell) {
    setSpokenTexts(accessible::cardName(card_), accessible::trackerState(cell));
}

void TrackerLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    keyboard_focus_mark::paintIfShown(this);
}

}  // namespace troven
