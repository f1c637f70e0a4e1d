// Whether a compositing manager runs on the X display: then windows may be translucent, pixel
// by pixel; without one a see-through area needs a window shape.
#pragma once

namespace kiova {

// False off X11 (the offscreen platform of the tests, say).
bool CompositorRunning();

}  // namespace kiova
