#pragma once

#include <QLabel>

#include "accessibility/spoken_widget.h"
#include "game/card.h"
#include "game/tracker.h"

namespace troven {

// A rank label of the card tracker. The keyboard reaches it (the arrow keys inside the tracker,
// not a click); a screen reader hears its card and where that card is, as the tracker shows it.
class TrackerLabel final : public QLabel, public SpokenWidget {
    Q_OBJECT

  public:
    TrackerLabel(Card card, QWidget* parent);
    Card card() const { return card_; }
    void describe(const TrackerCell& cell);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Card card_;
};

}  // namespace troven
