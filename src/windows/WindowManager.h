// What the windows know of and ask of the window manager.
#pragma once

#include <QtCore/qnamespace.h>

class QDialog;

namespace kiova {

// Whether a window manager runs (X11: the owner of WM_S0). Without one nothing minimises a
// window, and nothing gives a hidden window back without the tray. False off X11.
bool WindowManagerRunning();

// The flags a dialog is made with: a title and no buttons on it.
inline constexpr Qt::WindowFlags kDialogWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// A dialog's frame: title and border, no buttons to minimise, maximise or close it, and not
// resizable. From each show on the dialog keeps the size it is shown at, and the window manager
// is told (X11: _MOTIF_WM_HINTS) that it may only move it. A window manager that minimises it
// anyway sees it come back at once.
void UseDialogFrame(QDialog& dialog);

}  // namespace kiova
