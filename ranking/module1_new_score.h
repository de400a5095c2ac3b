#pragma once

#include <cstdint>

namespace troven {

// What the windows share for the whole run: the main window owns it and hands it to the ranking
// window.
struct Module1 {
    // The result the ranking window is to enter: set by a qualifying game end, 0 from the menu.
    std::int32_t NewScore = 0;
};

}  // namespace troven
