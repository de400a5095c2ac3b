#include "widgets/keyboard_focus_mark.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

#include "art/colours.h"
#include "widgets/pixel_ring.h"

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
        if ((type == QEvent::KeyPress && isTableKey(watched, static_cast<QKeyEvent*>(event))) ||
            type == QEvent::MouseButtonPress) {
            const bool key = type == QEvent::KeyPress;
            if (key != wasKey_) {
                wasKey_ = key;
                if (QWidget* focused = QApplication::focusWidget()) focused->update();
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    // The menu's access keys and the keys of a box (a name confirmed with Enter) are not played
    // on the table: one who plays with the mouse uses them too.
    static bool isTableKey(QObject* watched, const QKeyEvent* event) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || event->key() == Qt::Key_Alt || (event->modifiers() & Qt::AltModifier)) {
            return false;
        }
        return !qobject_cast<const QDialog*>(widget->window()) &&
               !qobject_cast<const QMenu*>(widget->window()) &&
               !qobject_cast<const QMenuBar*>(widget);
    }

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
    const QColor frame = colours::kKeyboardFocus;
    fillPixelRing(p, widget->rect(), frame, frame);
    fillPixelRing(p, widget->rect().adjusted(1, 1, -1, -1), frame, frame);
}

}  // namespace troven::keyboard_focus_mark
