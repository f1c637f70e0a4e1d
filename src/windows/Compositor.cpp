#include "Compositor.h"

#include <QPainter>
#include <QWidget>

#include "X11Requests.h"

namespace kiova {

// A compositing manager owns the selection _NET_WM_CM_Sn of the screen it composites.
bool CompositorRunning() {
    return X11SelectionOwned("_NET_WM_CM_S0");
}

void ClearWindow(QPainter& painter, const QWidget& window, bool translucent) {
    if (!translucent)
        return painter.fillRect(window.rect(), window.palette().color(QPalette::Window));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(window.rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace kiova
