#include "PictureShape.h"

#include <QRect>
#include <vector>

namespace kiova {
namespace {
using TRuns = std::vector<std::pair<int, int>>;  // [first, last] columns that show

void RunsOfRow(const QRgb* row, int width, int alpha_cut, TRuns& runs) {
    runs.clear();
    for (int x = 0; x < width;) {
        while (x < width && qAlpha(row[x]) < alpha_cut) ++x;
        if (x == width) break;
        const int first = x;
        while (x < width && qAlpha(row[x]) >= alpha_cut) ++x;
        runs.emplace_back(first, x - 1);
    }
}

// Rows of runs become bands: the runs of `height` alike rows starting at `top`.
void AddBand(const TRuns& runs, int top, int height, std::vector<QRect>& rects) {
    for (const auto& [first, last] : runs) rects.emplace_back(first, top, last - first + 1, height);
}

TPictureShape Handle(QSize picture_size) {
    const QSize size = picture_size.expandedTo(QSize(kHandleSide, kHandleSide));
    return {size, QRegion(0, size.height() - kHandleSide, kHandleSide, kHandleSide), true};
}
}  // namespace

TPictureShape PictureShape(const QImage& picture, int alpha_cut) {
    if (picture.isNull()) return Handle(QSize());
    if (!picture.hasAlphaChannel()) return {picture.size(), QRegion(picture.rect()), false};
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRect> rects;
    TRuns band, row;
    int band_top = 0;
    for (int y = 0; y < argb.height(); ++y) {
        RunsOfRow(reinterpret_cast<const QRgb*>(argb.constScanLine(y)), argb.width(), alpha_cut,
                  row);
        if (row == band) continue;
        AddBand(band, band_top, y - band_top, rects);
        band.swap(row);
        band_top = y;
    }
    AddBand(band, band_top, argb.height() - band_top, rects);
    if (rects.empty()) return Handle(picture.size());
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return {picture.size(), region, false};
}

}  // namespace kiova
