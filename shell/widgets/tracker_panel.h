#pragma once

#include <QColor>

#include <array>
#include <string_view>

#include "game/card.h"
#include "game/tracker.h"
#include "widgets/picture_box_widget.h"

namespace troven {

class TrackerLabel;

// The card tracker: a white sunken panel with one row a suit, the suit symbol at both ends
// (Image1..Image4) and thirteen overlapping rank labels between them (Label1..Label4). The
// keyboard reaches it as one stop of the main window's focus order (the label focused last, the
// ace of spades at first) and moves inside it with the arrow keys: left and right along the ranks,
// up and down across the suits.
class TrackerPanel : public PictureBoxWidget {
    Q_OBJECT

  public:
    explicit TrackerPanel(QWidget* parent);

    // Shows what the tracker holds, touching only the labels that changed.
    void mirror(const Tracker& tracker);

    // How a label shows its card's place: its rank in the row colour while the card is to come,
    // in blue once dealt, no caption once played; pink behind it when it matches the card
    // played last, white before the first game, the desktop's window background otherwise.
    struct Look {
        std::string_view caption;
        QColor foreColour;
        QColor backColour;
        friend bool operator==(const Look&, const Look&) = default;
    };
    static Look lookOf(Card card, const TrackerCell& cell, bool asCreated);
    // The label that takes the focus when the keyboard reaches the tracker.
    TrackerLabel* focusStop() const { return focusStop_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showLabel(Card card, const Look& look, const TrackerCell& cell);

    std::array<TrackerLabel*, kDeckSize> labels_{};
    TrackerLabel* focusStop_ = nullptr;
    std::array<Look, kDeckSize> shown_{};
    bool initialised_ = false;
};

}  // namespace troven
