#pragma once

#include "accessibility/spoken_widget.h"
#include "widgets/picture_box_widget.h"

namespace troven {

// The pile: the card played last. A screen reader hears its card when it comes to it, with no
// event at each play (see SpokenWidget); the play's announcement names the card already.
class PileBox final : public PictureBoxWidget, public SpokenWidget {
    Q_OBJECT

  public:
    explicit PileBox(QWidget* parent);
};

}  // namespace troven
