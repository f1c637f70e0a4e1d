#include "TrayIcon.h"

#include <QCursor>

#include "QtText.h"
#include "UiTexts.h"

namespace kiova {

TTrayIcon::TTrayIcon(const QIcon& icon, QObject* parent) : QObject(parent), icon_(icon) {
    icon_.setParent(this);  // found among the window's children, by tests too
    icon_.setToolTip(ToQString(kApplicationTitle));
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    emit clicked();
                if (reason == QSystemTrayIcon::Context) emit menuWanted(QCursor::pos());
            });
    // Without a tray now, Qt shows the icon as soon as one appears.
    icon_.show();
}

bool TTrayIcon::IsShown() const {
    return icon_.isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace kiova
