#include "ImageArea.h"

#include <QContextMenuEvent>
#include <QPainter>

namespace kiova {

TImageArea::TImageArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImageArea::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void TImageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!image_.isNull()) painter.drawImage(QPoint(0, 0), image_);
}

void TImageArea::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}

}  // namespace kiova
