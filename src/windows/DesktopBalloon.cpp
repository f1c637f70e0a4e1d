#include "DesktopBalloon.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QPainter>

#include "BalloonEdit.h"
#include "Compositor.h"

namespace kiova {
namespace {
constexpr int kTailLength = 18;
constexpr int kTailTop = 22;  // from the balloon's top, where the tail leaves the body
constexpr int kTailBase = 16;
constexpr int kCornerRadius = 14;
constexpr QMargins kTextMargins(14, 10, 14, 10);
const QColor kFill(0xFF, 0xFF, 0xFF);
const QColor kEdge(0x30, 0x30, 0x30);

// The tail is on the side facing the character: the balloon to its right has its tail left.
QRect BodyOf(QSize size, ESide side) {
    return side == ESide::Right ? QRect(kTailLength, 0, size.width() - kTailLength, size.height())
                                : QRect(0, 0, size.width() - kTailLength, size.height());
}
}  // namespace

TDesktopBalloon::TDesktopBalloon(bool translucent)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), translucent_(translucent) {
    if (translucent_) setAttribute(Qt::WA_TranslucentBackground);
    resize(kDesktopBalloonWidth, kDesktopBalloonMinHeight);
}

void TDesktopBalloon::Adopt(TBalloonEdit& edit) {
    edit_ = &edit;
    edit.setParent(this);
    edit.setGeometry(Body().marginsRemoved(kTextMargins));
    edit.show();
    connect(edit.document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
            this, &TDesktopBalloon::contentResized, Qt::UniqueConnection);
}

int TDesktopBalloon::WantedHeight(const QRect& screen) const {
    const int text = edit_ != nullptr ? edit_->ContentHeight() : 0;
    return BalloonHeight(text + kTextMargins.top() + kTextMargins.bottom(),
                         kDesktopBalloonMinHeight, screen);
}

void TDesktopBalloon::Place(const TBalloonPlacement& placement) {
    const bool reshaped = placement.side != side_ || placement.rect.size() != size();
    side_ = placement.side;
    setGeometry(placement.rect);
    if (!reshaped && !mask().isEmpty()) return;
    setMask(QRegion(Outline(size(), side_).toFillPolygon().toPolygon()));
    if (edit_ != nullptr) edit_->setGeometry(Body().marginsRemoved(kTextMargins));
    update();
}

QPainterPath TDesktopBalloon::Outline(QSize size, ESide tail_side) {
    const QRect body = BodyOf(size, tail_side);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius,
                           kCornerRadius);
    const qreal edge = tail_side == ESide::Right ? body.left() + 1.0 : body.right();
    const qreal tip = tail_side == ESide::Right ? 0.5 : size.width() - 0.5;
    QPainterPath tail;
    tail.moveTo(edge, kTailTop);
    tail.lineTo(tip, kTailTop + kTailBase / 2.0);
    tail.lineTo(edge, kTailTop + kTailBase);
    tail.closeSubpath();
    return outline.united(tail);
}

QRect TDesktopBalloon::Body() const {
    return BodyOf(size(), side_);
}

void TDesktopBalloon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ClearWindow(painter, *this, translucent_);
    if (translucent_) painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kEdge, 1.5));
    painter.setBrush(kFill);
    painter.drawPath(Outline(size(), side_));
}

void TDesktopBalloon::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}

}  // namespace kiova
