// TDesktopCharacter: the character standing on the desktop in desktop mode. A frameless window
// without a taskbar button, sized to the picture and cut to the pixels that show: translucent
// pixel by pixel when a compositor runs, through its shape alone when none does. The left
// button drags it; a click that does not move it stays a click.
#pragma once

#include <QImage>
#include <QWidget>

#include "PictureShape.h"

namespace kiova {

class TDesktopCharacter final : public QWidget {
    Q_OBJECT
public:
    // `translucent` only when a compositor runs; it cannot change once the window exists.
    explicit TDesktopCharacter(bool translucent);

    // Shows `picture`, shaping the window anew only when it is another picture.
    void SetPicture(const QImage& picture);
    const TPictureShape& Shape() const { return shape_; }

signals:
    void contextMenuWanted(QPoint global_position);
    void clicked();
    void moved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    const bool translucent_;
    QImage picture_;
    TPictureShape shape_;
    qint64 shaped_key_ = -1;  // the picture the shape belongs to
    QPoint press_position_;   // global, where the left button went down
    QPoint press_window_;     // the window's top left then
    bool pressed_ = false;
    bool dragging_ = false;
};

}  // namespace kiova
