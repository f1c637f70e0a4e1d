// What the windows know of and ask of the window manager.
#pragma once

#include <QtCore/qnamespace.h>

class QDialog;

namespace kiova {

// Whether a window manager runs (X11: the owner of WM_S0). Without one nothing minimises a
// window, and nothing gives a hidden window back without the tray. False off X11.
bool WindowManagerRunning();

// The flags a dialog is made with: a title and no buttons on it. Qt tells the window manager
// so (X11: _MOTIF_WM_HINTS allow moving and resizing alone).
inline constexpr Qt::WindowFlags kDialogWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// A dialog's frame: from each show on the dialog keeps the size it is shown at, so no window
// manager offers to resize or maximise it, and one that minimises it anyway sees it come back
// at once.
void UseDialogFrame(QDialog& dialog);

}  // namespace kiova
