#include "BuiltinBalloons.h"

#include <QPainter>
#include <QPolygon>

#include "Layout.h"

namespace kiova {
namespace {
const QRect kBody(QPoint(25, 15), QPoint(324, 184));
constexpr int kCornerRadius = 7;

// Drawn without anti-aliasing, so the image holds exactly two colours and the black stays an
// exact key colour.
QImage Balloon(const QPolygon& tail) {
    QImage image(kBalloonWidth, kBalloonHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(kBody, kCornerRadius, kCornerRadius);
    painter.drawPolygon(tail);
    return image;
}
}  // namespace

QImage CharacterBalloonImage() {
    return Balloon(QPolygon({QPoint(kBody.left(), 25), QPoint(5, 55), QPoint(kBody.left(), 57)}));
}

QImage UserBalloonImage() {
    return Balloon(
        QPolygon({QPoint(kBody.right(), 142), QPoint(344, 143), QPoint(kBody.right(), 184)}));
}

}  // namespace kiova
