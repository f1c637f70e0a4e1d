#include "X11Requests.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace kiova {
namespace {
template <class Reply>
using TReply = std::unique_ptr<Reply, decltype(&std::free)>;
}  // namespace

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t X11Atom(xcb_connection_t* connection, const char* name) {
    TReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool X11SelectionOwned(const char* name) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) return false;
    xcb_atom_t selection = X11Atom(connection, name);
    if (selection == XCB_ATOM_NONE) return false;
    TReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection),
                                      nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

}  // namespace kiova
