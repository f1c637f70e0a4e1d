#include "SkipTaskbar.h"

#include <QWidget>
#include <cstdlib>
#include <memory>

#include "X11Requests.h"

namespace kiova {

void SkipTaskbar(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) return;
    xcb_atom_t state = X11Atom(connection, "_NET_WM_STATE");
    xcb_atom_t skip = X11Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) return;
    auto id = static_cast<xcb_window_t>(window.winId());
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> current(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024),
                               nullptr),
        &std::free);
    if (current && current->format == 32) {
        auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(current.get()));
        for (int i = 0; i < xcb_get_property_value_length(current.get()) / 4; ++i)
            if (atoms[i] == skip) return;
    }
    // Qt adds its own states to what the property holds when it maps the window.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &skip);
    xcb_flush(connection);
}

}  // namespace kiova
