#include "widgets/keys_from_now_on.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QWidget>

namespace troven {

KeysFromNowOn::KeysFromNowOn(QWidget* box) : QObject(box), box_(box) {
    qApp->installEventFilter(this);
}

bool KeysFromNowOn::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            if (watched == box_)
                shownAt_ = static_cast<quint64>(QDeadlineTimer::current().deadline());
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride: {
            const auto* widget = qobject_cast<QWidget*>(watched);
            const quint64 pressedAt = static_cast<QKeyEvent*>(event)->timestamp();
            // The display server's time is 32 bits of milliseconds, and wraps.
            const auto before = static_cast<qint32>(static_cast<quint32>(pressedAt) -
                                                    static_cast<quint32>(shownAt_)) < 0;
            return widget && widget->window() == box_ && shownAt_ != 0 && pressedAt != 0 && before;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace troven
