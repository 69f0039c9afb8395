#include "NinePatch.h"

#include <cstring>
#include <functional>

namespace {
constexpr QRgb kMark = 0xFF000000u;

// One run of marks along a frame side of n pixels (not counting the corners), read by
// `at(i)`; the run as distances from the two ends.
std::optional<std::pair<int, int>> ReadRun(int n, const std::function<QRgb(int)>& at,
                                           const char* side, QString* error) {
  int first = -1;
  int last = -1;
  for (int i = 0; i < n; ++i) {
    const QRgb p = at(i);
    if (p == kMark) {
      if (first >= 0 && last != i - 1) {
        *error = QStringLiteral("the %1 side holds more than one run of marks")
                     .arg(QString::fromLatin1(side));
        return std::nullopt;
      }
      if (first < 0) first = i;
      last = i;
    } else if (qAlpha(p) != 0) {
      *error = QStringLiteral("the %1 side's pixel %2 is neither a mark nor transparent")
                   .arg(QString::fromLatin1(side))
                   .arg(i + 1);
      return std::nullopt;
    }
  }
  if (first < 0) {
    *error = QStringLiteral("the %1 side holds no mark").arg(QString::fromLatin1(side));
    return std::nullopt;
  }
  return std::pair{first, n - 1 - last};
}
}  // namespace

QImage NinePatchImage(const QImage& image, const QMargins& stretch, const QMargins& content) {
  const QImage inner = image.convertToFormat(QImage::Format_ARGB32);
  const int w = inner.width();
  const int h = inner.height();
  QImage framed(w + 2, h + 2, QImage::Format_ARGB32);
  if (framed.isNull()) return framed;
  framed.fill(Qt::transparent);
  for (int y = 0; y < h; ++y) {
    std::memcpy(framed.scanLine(y + 1) + 4, inner.constScanLine(y),
                4 * static_cast<std::size_t>(w));
  }
  const auto markRow = [&](int y, int from, int to) {
    for (int x = from; x <= to; ++x)
      framed.setPixel(x + 1, y, kMark);
  };
  const auto markColumn = [&](int x, int from, int to) {
    for (int y = from; y <= to; ++y)
      framed.setPixel(x, y + 1, kMark);
  };
  markRow(0, stretch.left(), w - 1 - stretch.right());
  markColumn(0, stretch.top(), h - 1 - stretch.bottom());
  markRow(h + 1, content.left(), w - 1 - content.right());
  markColumn(w + 1, content.top(), h - 1 - content.bottom());
  return framed;
}

std::optional<NinePatch> ReadNinePatch(const QImage& file, QString* error) {
  const QImage framed = file.convertToFormat(QImage::Format_ARGB32);
  if (framed.width() < 3 || framed.height() < 3) {
    *error = QStringLiteral("the image is too small for a nine-patch frame");
    return std::nullopt;
  }
  const int w = framed.width() - 2;
  const int h = framed.height() - 2;
  for (const QPoint corner :
       {QPoint(0, 0), QPoint(w + 1, 0), QPoint(0, h + 1), QPoint(w + 1, h + 1)}) {
    if (qAlpha(framed.pixel(corner)) != 0) {
      *error = QStringLiteral("a corner of the frame is not transparent");
      return std::nullopt;
    }
  }
  const auto top = ReadRun(
      w, [&](int i) { return framed.pixel(i + 1, 0); }, "top", error);
  if (!top) return std::nullopt;
  const auto left = ReadRun(
      h, [&](int i) { return framed.pixel(0, i + 1); }, "left", error);
  if (!left) return std::nullopt;
  const auto bottom = ReadRun(
      w, [&](int i) { return framed.pixel(i + 1, h + 1); }, "bottom", error);
  if (!bottom) return std::nullopt;
  const auto right = ReadRun(
      h, [&](int i) { return framed.pixel(w + 1, i + 1); }, "right", error);
  if (!right) return std::nullopt;
  NinePatch patch;
  patch.image = framed.copy(1, 1, w, h);
  patch.stretch = QMargins(top->first, left->first, top->second, left->second);
  patch.content = QMargins(bottom->first, right->first, bottom->second, right->second);
  return patch;
}
