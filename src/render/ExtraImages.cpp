#include "ExtraImages.h"

void CoverageRow(const ShapeTables& shape, int W, int H, long long o, int y, std::uint8_t* out) {
  const long long l = shape.leftEdge()[static_cast<std::size_t>(y)];
  const long long r = l + shape.rightInset();
  const std::int32_t* top = shape.topEdge().data();
  const std::int32_t* bottom = shape.bottomEdge().data();
  for (long long x = 0; x < W; ++x) {
    const long long dL = x - l;
    const long long dR = (W - 1) - r - x;
    const long long dT = y - static_cast<long long>(top[x]);
    const long long dB = (H - 1) - static_cast<long long>(bottom[x]) - y;
    const bool border = dL < o || dT < o || dR < o || dB < o;
    const bool page = border && !(dL > 0 && dR > 0 && dT > 0 && dB > 0);
    out[x] = page ? 0 : 255;
  }
}

QImage ReduceOpaque(const QImage& work, int block, int outW, int outH) {
  QImage out(outW, outH, QImage::Format_RGB32);
  if (out.isNull()) return out;
  const std::uint32_t n = static_cast<std::uint32_t>(block * block);
  for (int u = 0; u < outH; ++u) {
    auto* row = reinterpret_cast<std::uint32_t*>(out.scanLine(u));
    for (int v = 0; v < outW; ++v) {
      std::uint32_t red = 0, green = 0, blue = 0;
      for (int j = 0; j < block; ++j) {
        const auto* src =
            reinterpret_cast<const std::uint32_t*>(work.constScanLine(block * u + j)) + block * v;
        for (int i = 0; i < block; ++i) {
          red += (src[i] >> 16) & 0xFF;
          green += (src[i] >> 8) & 0xFF;
          blue += src[i] & 0xFF;
        }
      }
      row[v] = 0xFF000000u | (red / n) << 16 | (green / n) << 8 | (blue / n);
    }
  }
  return out;
}

QImage ReduceTransparent(const QImage& work, const std::vector<std::uint8_t>& coverage,
                         const QImage& glyphs, QRgb text, int block, int outW, int outH) {
  QImage out(outW, outH, QImage::Format_ARGB32);
  if (out.isNull()) return out;
  const int W = work.width();
  const std::uint32_t n = static_cast<std::uint32_t>(block * block);
  const std::uint32_t textRed = qRed(text), textGreen = qGreen(text), textBlue = qBlue(text);
  for (int u = 0; u < outH; ++u) {
    auto* row = reinterpret_cast<std::uint32_t*>(out.scanLine(u));
    for (int v = 0; v < outW; ++v) {
      std::uint32_t sa = 0, red = 0, green = 0, blue = 0;
      for (int j = 0; j < block; ++j) {
        const int y = block * u + j;
        const auto* src = reinterpret_cast<const std::uint32_t*>(work.constScanLine(y));
        const std::uint8_t* covered = coverage.data() + static_cast<std::size_t>(y) * W;
        const uchar* glyph = glyphs.isNull() ? nullptr : glyphs.constScanLine(y);
        for (int i = 0; i < block; ++i) {
          const int x = block * v + i;
          if (covered[x]) {
            sa += 255;
            red += 255 * ((src[x] >> 16) & 0xFF);
            green += 255 * ((src[x] >> 8) & 0xFF);
            blue += 255 * (src[x] & 0xFF);
          } else if (glyph && glyph[x]) {
            const std::uint32_t g = glyph[x];
            sa += g;
            red += g * textRed;
            green += g * textGreen;
            blue += g * textBlue;
          }
        }
      }
      row[v] = sa == 0 ? 0u : (sa / n) << 24 | (red / sa) << 16 | (green / sa) << 8 | (blue / sa);
    }
  }
  return out;
}

QImage DoublePixels(const QImage& image) {
  if (image.isNull()) return image;
  QImage out(image.width() * 2, image.height() * 2, image.format());
  if (out.isNull()) return out;
  for (int y = 0; y < out.height(); ++y) {
    const auto* src = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y / 2));
    auto* row = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      row[x] = src[x / 2];
  }
  return out;
}
