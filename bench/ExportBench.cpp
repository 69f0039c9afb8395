#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "ImageExport.h"
#include "TextureImage.h"

namespace {

// Something like a rendered button at the largest size the exports see: a shaded gradient
// face, a bevel, an outline and blocks of caption-like detail, so the encoder meets both
// smooth areas and sharp edges.
QImage ButtonLikeImage() {
  constexpr int kWidth = 506;
  constexpr int kHeight = 256;
  constexpr int kBevel = 12;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (int y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      const double t = static_cast<double>(y) / (kHeight - 1);
      int r = static_cast<int>(40 + 150 * t);
      int g = static_cast<int>(90 + 100 * std::sin(3.14 * t));
      int b = static_cast<int>(200 - 120 * t);
      const int edge = std::min({x, y, kWidth - 1 - x, kHeight - 1 - y});
      if (edge < 2) {
        r = g = b = 0;  // outline
      } else if (edge < kBevel) {
        const int shade = (x < y || x < kHeight - y) ? 60 : -60;  // lit top-left
        r = std::clamp(r + shade, 0, 255);
        g = std::clamp(g + shade, 0, 255);
        b = std::clamp(b + shade, 0, 255);
      }
      const bool caption = y > 100 && y < 156 && x > 80 && x < 426 && (x / 6 + y / 8) % 3 == 0;
      row[x] = caption ? qRgb(255, 255, 255) : qRgb(r, g, b);
    }
  }
  return image;
}

void EncodeJpegToMemory(benchmark::State& state) {
  const QImage image = ButtonLikeImage();
  QString error;
  for (auto _ : state)
    benchmark::DoNotOptimize(EncodeJpeg(image, &error));
}
BENCHMARK(EncodeJpegToMemory)->Unit(benchmark::kMillisecond);

void ExportJpegToFile(benchmark::State& state) {
  const QImage image = ButtonLikeImage();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("button.jpg"));
  QString error;
  for (auto _ : state) {
    if (!ExportJpeg(image, path, &error)) {
      state.SkipWithError(qPrintable(error));
      break;
    }
  }
}
BENCHMARK(ExportJpegToFile)->Unit(benchmark::kMillisecond);

void ExportBmpToFile(benchmark::State& state) {
  const QImage image = ButtonLikeImage();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("button.bmp"));
  QString error;
  for (auto _ : state) {
    if (!ExportBmp(image, path, &error)) {
      state.SkipWithError(qPrintable(error));
      break;
    }
  }
}
BENCHMARK(ExportBmpToFile)->Unit(benchmark::kMillisecond);

// The way back: the same picture as a texture.
void DecodeJpegAsTexture(benchmark::State& state) {
  QString error;
  const QByteArray jpeg = EncodeJpeg(ButtonLikeImage(), &error);
  for (auto _ : state)
    benchmark::DoNotOptimize(DecodeJpegTexture(jpeg, &error));
}
BENCHMARK(DecodeJpegAsTexture)->Unit(benchmark::kMillisecond);

}  // namespace
