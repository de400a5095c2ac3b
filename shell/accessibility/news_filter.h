#pragma once

class QAccessibleEvent;

namespace troven {

// Keeps from a screen reader what Qt tells it that is no news; Orca 43 works through every event
// it is sent, about 10 ms each, before it speaks again. No news: a menu's item made current again
// (a menu's mnemonic key sets its item current, though it already is, before it triggers it, and
// the menu closes at once), an announcement taken away (Announcer hides a notification to show
// it with new text), and the hiding of a window and of each control in it as the window goes.
// Installed once, before the first window.
void installNewsFilter();

// Hands an event to the screen reader's bridge past every filter installed.
void passToScreenReader(QAccessibleEvent* event);

}  // namespace troven
