// TImageArea: a child widget that paints one image at its top left over the window colour,
// pixel for pixel (scaled without smoothing on high-dpi screens, so pictures stay sharp).
// The picture area and the balloon area of the main window are both image areas.
#pragma once

#include <QImage>
#include <QWidget>

namespace kiova {

class TImageArea final : public QWidget {
    Q_OBJECT
public:
    explicit TImageArea(QWidget* parent);

    void SetImage(const QImage& image);
    const QImage& Image() const { return image_; }

signals:
    // A right click anywhere on the area, at a global position.
    void contextMenuWanted(QPoint global_position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QImage image_;
};

}  // namespace kiova
