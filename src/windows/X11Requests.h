// The few X11 requests the windows make beside Qt: atoms, selection owners and window
// properties on Qt's own connection to the display.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <span>

namespace kiova {

// Qt's connection to the X display; null on other platforms (offscreen among them, which may
// answer as X11 without a connection).
xcb_connection_t* X11Connection();

// The atom of that name, XCB_ATOM_NONE when the server cannot make it.
xcb_atom_t X11Atom(xcb_connection_t* connection, const char* name);

// Whether a client owns the selection of that name: how window managers (WM_S0) and
// compositing managers (_NET_WM_CM_S0) announce themselves. False off X11.
bool X11SelectionOwned(const char* name);

// Replaces a window property of 32-bit items (type is an atom name).
void X11SetProperty(xcb_connection_t* connection, xcb_window_t window, const char* name,
                    const char* type, std::span<const uint32_t> items);

}  // namespace kiova
