#include "accessibility/news_filter.h"

#include <QAccessible>
#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace troven {

namespace {

// The menu item the screen reader was last told has the focus.
QPointer<QObject> focusedMenu;
int focusedItem = -1;

bool isNoNews(QAccessibleEvent* event) {
    switch (event->type()) {
        case QAccessible::Focus: {
            const bool again =
                focusedMenu && focusedMenu == event->object() && focusedItem == event->child();
            const bool inMenu = qobject_cast<QMenu*>(event->object()) != nullptr;
            focusedMenu = inMenu ? event->object() : nullptr;
            focusedItem = event->child();
            return again;
        }
        case QAccessible::ObjectHide: {
            // A window going is told by its deactivation; it is no longer visible when its own
            // hiding and its controls' are told.
            const auto* widget = qobject_cast<const QWidget*>(event->object());
            if (widget && !widget->window()->isVisible()) return true;
            const QAccessibleInterface* hidden = event->accessibleInterface();
            return hidden && hidden->role() == QAccessible::Notification;
        }
        default:
            return false;
    }
}

void passOnNews(QAccessibleEvent* event) {
    if (!isNoNews(event)) passToScreenReader(event);
}

}  // namespace

void installNewsFilter() { QAccessible::installUpdateHandler(passOnNews); }

// Qt hands an event to the bridge only while no handler is installed.
void passToScreenReader(QAccessibleEvent* event) {
    const QAccessible::UpdateHandler installed = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(installed);
}

}  // namespace troven
