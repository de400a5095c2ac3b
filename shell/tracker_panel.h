#pragma once

#include <array>

#include "card.h"
#include "picture_box_widget.h"
#include "tracker.h"

class QLabel;

namespace troven {

// The card tracker: a white sunken panel with one row a suit, the suit symbol at both ends
// (Image1..Image4) and thirteen overlapping rank labels between them (Label1..Label4).
class TrackerPanel : public PictureBoxWidget {
    Q_OBJECT

  public:
    explicit TrackerPanel(QWidget* parent);

    // Shows what the tracker holds, touching only the labels that changed.
    void mirror(const Tracker& tracker);
    QLabel* label(int suit, int rank) const {
        return labels_[static_cast<std::size_t>(cardOf(suit, rank))];
    }

  private:
    void showLabel(std::size_t i, const TrackerLabel& label);

    std::array<QLabel*, kDeckSize> labels_{};
    std::array<TrackerLabel, kDeckSize> shown_{};
};

}  // namespace troven
