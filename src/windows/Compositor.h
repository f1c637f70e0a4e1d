// Whether a compositing manager runs on the X display: then windows may be translucent, pixel
// by pixel; without one a see-through area needs a window shape.
#pragma once

class QPainter;
class QWidget;

namespace kiova {

// False off X11 (the offscreen platform of the tests, say).
bool CompositorRunning();

// Starts a window's painting: wholly see-through when it is translucent, else its colour.
void ClearWindow(QPainter& painter, const QWidget& window, bool translucent);

}  // namespace kiova
