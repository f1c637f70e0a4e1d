// The few X11 requests the windows make beside Qt: atoms and selection owners on Qt's own
// connection to the display.
#pragma once

#include <xcb/xcb.h>

namespace kiova {

// Qt's connection to the X display; null on other platforms (offscreen among them, which may
// answer as X11 without a connection).
xcb_connection_t* X11Connection();

// The atom of that name, XCB_ATOM_NONE when the server cannot make it.
xcb_atom_t X11Atom(xcb_connection_t* connection, const char* name);

// Whether a client owns the selection of that name: how window managers (WM_S0) and
// compositing managers (_NET_WM_CM_S0) announce themselves. False off X11.
bool X11SelectionOwned(const char* name);

}  // namespace kiova
