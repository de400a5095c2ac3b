#pragma once

class QWidget;

namespace troven {

// Centres a window on its screen by its outer size: the frame counts once the window system has
// told it, before the window is first shown only the window itself.
void centreOnScreen(QWidget* window);

}  // namespace troven
