#pragma once

#include <QApplication>
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

}  // namespace troven::testing
