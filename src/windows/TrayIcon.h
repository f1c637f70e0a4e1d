// TTrayIcon: the program's icon in the desktop's notification area, with the caption as its
// tip. It tells its owner of a click (single or double: StatusNotifierItem trays report only
// single ones) and of a right click; the owner decides what comes of them. On a desktop without a
// tray it is simply absent (IsShown() false).
#pragma once

#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

namespace kiova {

class TTrayIcon final : public QObject {
    Q_OBJECT
public:
    TTrayIcon(const QIcon& icon, QObject* parent);

    // True while the icon stands in a tray the desktop has now.
    bool IsShown() const;
    void SetTip(const QString& tip) { icon_.setToolTip(tip); }
    QString Tip() const { return icon_.toolTip(); }

signals:
    void clicked();
    void menuWanted(QPoint global_position);

private:
    QSystemTrayIcon icon_;
};

}  // namespace kiova
