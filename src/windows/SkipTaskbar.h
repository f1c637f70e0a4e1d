// The main window has no taskbar button: the program's own tray icon stands for it.
#pragma once

class QWidget;

namespace kiova {

// Asks the window manager (X11: _NET_WM_STATE_SKIP_TASKBAR) to leave the window off the
// taskbar. Call before each show: the state is the window's while it is mapped; a window
// manager forgets it when the window is hidden. Elsewhere than on X11 it does nothing.
void SkipTaskbar(QWidget& window);

}  // namespace kiova
