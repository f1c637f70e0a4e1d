// Picture decoding and the colour key on a 640 x 480 picture, the size of a large character.
#include <benchmark/benchmark.h>

#include "ColorKey.h"
#include "Dib.h"
#include "Jpeg.h"
#include "SusiePlugInList.h"
#include "TestPictures.h"

namespace kiova {
namespace {

constexpr int kWidth = 640, kHeight = 480;

// Smooth colour ramps with 256 distinct colours, so 8-bit bitmaps can hold it too.
const test::Pixels& Picture() {
    static const test::Pixels pixels = [] {
        test::Pixels rows(kHeight, std::vector<QRgb>(kWidth));
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const int level = (x / 5 + y / 4) % 256;
                rows[y][x] = qRgb(level, 255 - level, (level * 7) % 256);
            }
        }
        return rows;
    }();
    return pixels;
}

void SetPixelsProcessed(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_DibToImage(benchmark::State& state) {
    const test::Dib dib = test::MakeDib(Picture(), static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(DibToImage(dib.info, dib.bits));
    SetPixelsProcessed(state);
}
BENCHMARK(BM_DibToImage)->Arg(8)->Arg(24)->Arg(32);

void BM_DecodeJpeg(benchmark::State& state) {
    const test::Bytes jpeg = test::MakeJpeg(test::ImageOf(Picture()));
    for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(jpeg));
    SetPixelsProcessed(state);
}
BENCHMARK(BM_DecodeJpeg);

// A PNG through our decoder library and back through the bitmap conversion...
void BM_PngThroughDecoderLibrary(benchmark::State& state) {
    const test::Bytes png = test::Encode(test::ImageOf(Picture()), "PNG");
    TSusiePlugInList list;
    if (!list.Add(KIOVA_QTIMAGE_SPI)) state.SkipWithError("qtimage.spi not found");
    QImage image;
    for (auto _ : state) benchmark::DoNotOptimize(list.LoadFromMemory(png, image));
    SetPixelsProcessed(state);
}
BENCHMARK(BM_PngThroughDecoderLibrary);

// ...and the same PNG read by Qt directly: the difference is the cost of the library route.
void BM_PngDirect(benchmark::State& state) {
    const test::Bytes png = test::Encode(test::ImageOf(Picture()), "PNG");
    for (auto _ : state) {
        benchmark::DoNotOptimize(QImage::fromData(
            QByteArrayView(reinterpret_cast<const char*>(png.data()), png.size()), "PNG"));
    }
    SetPixelsProcessed(state);
}
BENCHMARK(BM_PngDirect);

void BM_MakeTransparent(benchmark::State& state) {
    const QImage picture = test::ImageOf(Picture());
    for (auto _ : state) {
        QImage image = picture;
        MakeTransparent(image, qRgb(0xF0, 0xF0, 0xF0));
        benchmark::DoNotOptimize(image);
    }
    SetPixelsProcessed(state);
}
BENCHMARK(BM_MakeTransparent);

}  // namespace
}  // namespace kiova
