#pragma once

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace troven::testing {

// The visible top-level window of that class, or null: for scripts that play the real program
// from the inside and find its windows as a player sees them.
template <typename Window>
Window* shownWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) return window;
    }
    return nullptr;
}

// How far a window's middle, frame included, lies from its screen's middle: (0, 0) when centred.
inline QPoint offCentre(const QWidget* window) {
    return window->frameGeometry().center() - window->screen()->geometry().center();
}

}  // namespace troven::testing
