#include "windows/centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace troven {
namespace {

void centre(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

bool frameKnown(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle && window->isVisible() && !handle->frameMargins().isNull();
}

// Watches a window until the window manager has put its frame round it (the window moves into
// the frame), centres it once more, and goes.
class FrameWatcher : public QObject {
  public:
    static constexpr char kName[] = "FrameWatcher";

    explicit FrameWatcher(QWidget* window) : QObject(window) {
        setObjectName(QLatin1StringView(kName));
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Move && frameKnown(window)) {
            window->removeEventFilter(this);
            centre(window);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void centreOnScreen(QWidget* window) {
    centre(window);
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint) || frameKnown(window) ||
        window->findChild<QObject*>(QLatin1StringView(FrameWatcher::kName),
                                    Qt::FindDirectChildrenOnly)) {
        return;
    }
    new FrameWatcher(window);
}

}  // namespace troven
