#pragma once

#include "accessibility/spoken_widget.h"
#include "widgets/picture_box_widget.h"

namespace troven {

// A hand slot: a picture box that takes the keyboard focus (Tab, the arrow keys, New Game; not a
// click), whether or not its card may be played, so that a player who cannot see it can hear
// what it holds. It shows the focus only to a player who uses the keys.
class HandSlotBox final : public PictureBoxWidget, public SpokenWidget {
    Q_OBJECT

  public:
    HandSlotBox(int index, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace troven
