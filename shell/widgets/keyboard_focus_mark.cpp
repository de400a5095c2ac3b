#include "keyboard_focus_mark.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

#include "pixel_ring.h"

namespace troven::keyboard_focus_mark {

namespace {

// Watches every key and mouse button of the program and repaints the focused widget when the
// player turns from one to the other.
class LastInput final : public QObject {
  public:
    LastInput() : QObject(qApp) { qApp->installEventFilter(this); }
    bool wasKey() const { return wasKey_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) {
            const bool key = type == QEvent::KeyPress;
            if (key != wasKey_) {
                wasKey_ = key;
                if (QWidget* focused = QApplication::focusWidget()) focused->update();
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool wasKey_ = false;
};

const LastInput& lastInput() {
    static const LastInput* input = new LastInput;  // owned by the application
    return *input;
}

}  // namespace

void paintIfShown(QWidget* widget) {
    if (!lastInput().wasKey() || !widget->hasFocus()) return;
    QPainter p(widget);
    const QColor orange(255, 128, 0);
    fillPixelRing(p, widget->rect(), orange, orange);
    fillPixelRing(p, widget->rect().adjusted(1, 1, -1, -1), orange, orange);
}

}  // namespace troven::keyboard_focus_mark
