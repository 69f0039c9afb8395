#include "ExtraImages.h"

#include "PixelRules.h"

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
    const bool page = IsBorder(dL, dR, dT, dB, o) && !OnOutline(dL, dR, dT, dB);
    out[x] = page ? 0 : 255;
  }
}

namespace {
template <int Block>
void reduceRow(const QImage& work, int u, int outW, std::uint32_t* out) {
  const std::uint32_t* src[Block];
  for (int j = 0; j < Block; ++j)
    src[j] = reinterpret_cast<const std::uint32_t*>(work.constScanLine(Block * u + j));
  // n is a power of two: the division is a shift.
  constexpr int shift = Block == 4 ? 4 : Block == 2 ? 2 : 0;
  for (int v = 0; v < outW; ++v) {
    std::uint32_t red = 0, green = 0, blue = 0;
    for (int j = 0; j < Block; ++j) {
      for (int i = 0; i < Block; ++i) {
        const std::uint32_t p = src[j][Block * v + i];
        red += (p >> 16) & 0xFF;
        green += (p >> 8) & 0xFF;
        blue += p & 0xFF;
      }
    }
    out[v] = PixelFromBytes(red >> shift, green >> shift, blue >> shift);
  }
}
}  // namespace

void ReduceRow(const QImage& work, int block, int u, int outW, std::uint32_t* out) {
  switch (block) {
    case 1:
      return reduceRow<1>(work, u, outW, out);
    case 2:
      return reduceRow<2>(work, u, outW, out);
    default:
      return reduceRow<4>(work, u, outW, out);
  }
}

QImage ReduceOpaque(const QImage& work, int block, int outW, int outH) {
  QImage out(outW, outH, QImage::Format_RGB32);
  if (out.isNull()) return out;
  for (int u = 0; u < outH; ++u)
    ReduceRow(work, block, u, outW, reinterpret_cast<std::uint32_t*>(out.scanLine(u)));
  return out;
}

namespace {
// Sums of a and a x c over some working pixels.
struct CoveredSum {
  std::uint32_t a = 0, red = 0, green = 0, blue = 0;

  void add(const CoveredSum& other) {
    a += other.a;
    red += other.red;
    green += other.green;
    blue += other.blue;
  }
  // alpha := a // n; each channel := (a x c) // a, all 0 where nothing covers. A block
  // covered throughout has a = 255 n and sums 255 x c: the same quotients by constants.
  template <std::uint32_t n>
  std::uint32_t pixel() const {
    if (a == 255 * n)
      return 0xFFu << 24 | (red / 255 / n) << 16 | (green / 255 / n) << 8 | (blue / 255 / n);
    if (a == 0) return 0;
    return (a / n) << 24 | (red / a) << 16 | (green / a) << 8 | (blue / a);
  }
};

// One row of working pixels with their coverage, as the sums read them.
struct CoveredRow {
  const std::uint32_t* colour;
  const std::uint8_t* covered;
  const uchar* glyph;  // null without a caption
  std::uint32_t textRed, textGreen, textBlue;

  void addTo(CoveredSum& sum, int x) const {
    if (covered[x]) {
      const std::uint32_t c = colour[x];
      sum.a += 255;
      sum.red += 255 * ((c >> 16) & 0xFF);
      sum.green += 255 * ((c >> 8) & 0xFF);
      sum.blue += 255 * (c & 0xFF);
    } else if (glyph && glyph[x]) {
      const std::uint32_t g = glyph[x];
      sum.a += g;
      sum.red += g * textRed;
      sum.green += g * textGreen;
      sum.blue += g * textBlue;
    }
  }
};
}  // namespace

QImage ReduceTransparent(const QImage& work, const std::vector<std::uint8_t>& coverage,
                         const QImage& glyphs, QRgb text, int block, int outW, int outH,
                         QImage* twice) {
  QImage out(outW, outH, QImage::Format_ARGB32);
  if (out.isNull()) return out;
  const bool two = block == 4 && twice;
  if (two) {
    *twice = QImage(2 * outW, 2 * outH, QImage::Format_ARGB32);
    if (twice->isNull()) return QImage();
  }
  const std::size_t W = static_cast<std::size_t>(work.width());
  const auto rowAt = [&](int y) {
    return CoveredRow{reinterpret_cast<const std::uint32_t*>(work.constScanLine(y)),
                      coverage.data() + static_cast<std::size_t>(y) * W,
                      glyphs.isNull() ? nullptr : glyphs.constScanLine(y),
                      static_cast<std::uint32_t>(qRed(text)),
                      static_cast<std::uint32_t>(qGreen(text)),
                      static_cast<std::uint32_t>(qBlue(text))};
  };
  if (block == 1) {
    for (int y = 0; y < outH; ++y) {
      const CoveredRow row = rowAt(y);
      auto* dst = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
      for (int x = 0; x < outW; ++x) {
        CoveredSum sum;
        row.addTo(sum, x);
        dst[x] = sum.pixel<1>();
      }
    }
    return out;
  }
  // Each 4 x 4 block is its four 2 x 2 blocks: one pass gives both images.
  for (int u = 0; u < outH; ++u) {
    CoveredRow rows[4];
    for (int j = 0; j < 4; ++j)
      rows[j] = rowAt(4 * u + j);
    auto* dst = reinterpret_cast<std::uint32_t*>(out.scanLine(u));
    std::uint32_t* dst2[2] = {nullptr, nullptr};
    if (two) {
      dst2[0] = reinterpret_cast<std::uint32_t*>(twice->scanLine(2 * u));
      dst2[1] = reinterpret_cast<std::uint32_t*>(twice->scanLine(2 * u + 1));
    }
    for (int v = 0; v < outW; ++v) {
      CoveredSum whole;
      for (int half = 0; half < 4; ++half) {
        const int dy = half / 2, dx = half % 2;
        CoveredSum quarter;
        for (int j = 0; j < 2; ++j) {
          for (int i = 0; i < 2; ++i)
            rows[2 * dy + j].addTo(quarter, 4 * v + 2 * dx + i);
        }
        if (two) dst2[dy][2 * v + dx] = quarter.pixel<4>();
        whole.add(quarter);
      }
      dst[v] = whole.pixel<16>();
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
