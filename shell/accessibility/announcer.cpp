#include "accessibility/announcer.h"

namespace troven {

class Announcer::Notification final : public QWidget, public SpokenWidget {
  public:
    explicit Notification(QWidget* parent)
        : QWidget(parent), SpokenWidget(QAccessible::Notification) {}
};

Announcer::Announcer(QWidget* parent) : QWidget(parent), SpokenWidget(QAccessible::StatusBar) {
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (auto*& n : notifications_) {
        n = new Notification(this);
        n->setGeometry(0, 0, 1, 1);
        n->hide();
    }
}

void Announcer::announce(const QString& text) {
    Notification* n = notifications_[next_];
    next_ = (next_ + 1) % notifications_.size();
    n->setSpokenTexts(text, {});
    n->hide();
    n->show();
    last_ = n;
}

QWidget* Announcer::lastNotification() const { return last_; }

}  // namespace troven
