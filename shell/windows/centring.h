#pragma once

class QWidget;

namespace troven {

// Centres a window on its screen by its outer size, frame included. A window manager frames a
// window only once it is shown; until then the frame is unknown, so a framed window not yet
// shown is centred by its own size now and centred again as soon as its frame is known.
void centreOnScreen(QWidget* window);

}  // namespace troven
