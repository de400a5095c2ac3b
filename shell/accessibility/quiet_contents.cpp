#include "accessibility/quiet_contents.h"

#include <QAccessible>
#include <QDialog>
#include <QWidget>

#include "accessibility/news_filter.h"

namespace troven {

namespace {

const QWidget* quietWindow = nullptr;
QAccessible::UpdateHandler handlerBefore = nullptr;

bool isInsideQuietWindow(const QObject* object) {
    if (object == quietWindow) return false;
    for (; object; object = object->parent()) {
        if (object == quietWindow) return true;
    }
    return false;
}

bool isAnnouncement(QAccessibleEvent* event) {
    if (event->type() != QAccessible::ObjectShow) return false;
    const QAccessibleInterface* shown = event->accessibleInterface();
    return shown && shown->role() == QAccessible::Notification;
}

void passOnUnlessQuiet(QAccessibleEvent* event) {
    if (isInsideQuietWindow(event->object()) && !isAnnouncement(event)) return;
    if (handlerBefore) {
        handlerBefore(event);
    } else {
        passToScreenReader(event);
    }
}

}  // namespace

QuietContents::QuietContents(const QWidget* window) {
    Q_ASSERT(!quietWindow);
    quietWindow = window;
    handlerBefore = QAccessible::installUpdateHandler(passOnUnlessQuiet);
}

QuietContents::~QuietContents() {
    QAccessible::installUpdateHandler(handlerBefore);
    quietWindow = nullptr;
    handlerBefore = nullptr;
}

int execWithQuietContents(QDialog& box) {
    box.setWindowModality(Qt::ApplicationModal);
    {
        const QuietContents quiet(&box);
        box.show();
    }
    return box.exec();
}

}  // namespace troven
