#pragma once

namespace troven {

// What the game cannot do itself, handed to whoever owns it (the main window).
class GameEvents {
  public:
    virtual ~GameEvents() = default;
    // The card sound: the very first thing of every accepted play, before anything changes.
    virtual void playCardSound() = 0;
    // The game has just ended (over or won) with this count; the window shows the end already.
    virtual void gameEnded(int count) = 0;
};

}  // namespace troven
