#include "DesktopCharacter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include "Compositor.h"

namespace kiova {
namespace {
const QColor kHandleFill(0x60, 0x60, 0x60);
const QColor kHandleEdge(0xF0, 0xF0, 0xF0);
}  // namespace

TDesktopCharacter::TDesktopCharacter(bool translucent)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), translucent_(translucent) {
    if (translucent_) setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_OpaquePaintEvent, !translucent_);
    SetPicture(QImage());
}

void TDesktopCharacter::SetPicture(const QImage& picture) {
    const qint64 key = picture.isNull() ? 0 : picture.cacheKey();
    if (key == shaped_key_) return;
    shaped_key_ = key;
    picture_ = picture;
    shape_ = PictureShape(picture_, translucent_ ? kShapeAlphaAny : kShapeAlphaCut);
    setFixedSize(shape_.size);
    // Clicks beside the character go to the window underneath in both cases.
    setMask(shape_.region);
    update();
}

void TDesktopCharacter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ClearWindow(painter, *this, translucent_);
    if (shape_.handle) {
        const QRect handle = shape_.region.boundingRect();
        painter.fillRect(handle, kHandleEdge);
        painter.fillRect(handle.adjusted(1, 1, -1, -1), kHandleFill);
        return;
    }
    painter.drawImage(QPoint(0, 0), picture_);
}

void TDesktopCharacter::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressed_ = true;
    dragging_ = false;
    press_position_ = event->globalPosition().toPoint();
    press_window_ = pos();
}

void TDesktopCharacter::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint offset = event->globalPosition().toPoint() - press_position_;
    if (!dragging_ && offset.manhattanLength() < QApplication::startDragDistance()) return;
    dragging_ = true;
    move(press_window_ + offset);
}

void TDesktopCharacter::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return QWidget::mouseReleaseEvent(event);
    pressed_ = false;
    if (!dragging_) emit clicked();
    dragging_ = false;
}

void TDesktopCharacter::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}

void TDesktopCharacter::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    emit moved();
}

}  // namespace kiova
