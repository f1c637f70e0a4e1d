#include "SkipTaskbar.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace kiova {
namespace {
template <class Reply>
using TReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    TReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}
}  // namespace

void SkipTaskbar(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // Other platforms (offscreen among them) may answer as X11 without a connection.
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return;
    xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    xcb_atom_t skip = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) return;
    auto id = static_cast<xcb_window_t>(window.winId());
    TReply<xcb_get_property_reply_t> current(
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
