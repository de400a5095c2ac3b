#pragma once

#include <functional>
#include <vector>

#include "game/game_events.h"

namespace troven::testing {

// Remembers what the game handed to its owner, and lets a test look at the game at that moment.
class RecordingEvents final : public GameEvents {
  public:
    void playCardSound() override {
        ++sounds;
        if (onSound) onSound();
    }
    void gameEnded(int count) override { endings.push_back(count); }

    int sounds = 0;
    std::vector<int> endings;
    std::function<void()> onSound;
};

}  // namespace troven::testing
