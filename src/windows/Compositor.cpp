#include "Compositor.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>
#include <cstdlib>
#include <string>

namespace kiova {

// A compositing manager owns the selection _NET_WM_CM_Sn of the screen it composites.
bool CompositorRunning() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) return false;
    xcb_connection_t* connection = x11->connection();
    const std::string name = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
    if (atom == nullptr) return false;
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool running = owner != nullptr && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return running;
}

void ClearWindow(QPainter& painter, const QWidget& window, bool translucent) {
    if (!translucent)
        return painter.fillRect(window.rect(), window.palette().color(QPalette::Window));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(window.rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace kiova
