#pragma once

#include <QWidget>

#include <array>

#include "accessibility/spoken_widget.h"

namespace troven {

// Tells a screen reader what just happened, in one utterance: Qt 6.4 has no announcement of its
// own. Orca 43 speaks a notification the moment it is shown (and keeps it in its notification
// history); inside a status bar it leaves out the word "notification". Orca reads the text when
// it comes to the event, not when it was sent, so a few notifications take turns: one that is
// shown again before Orca has read it would be spoken with the newer text. Nothing of it is
// drawn, and it takes no click and no focus.
class Announcer : public QWidget, public SpokenWidget {
    Q_OBJECT

  public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& text);
    // The notification shown last, or null before the first announcement.
    QWidget* lastNotification() const;

  private:
    class Notification;
    std::array<Notification*, 4> notifications_{};
    std::size_t next_ = 0;
    QWidget* last_ = nullptr;
};

}  // namespace troven
