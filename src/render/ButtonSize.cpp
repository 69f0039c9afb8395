#include "ButtonSize.h"

#include <limits>

#include "ButtonRenderer.h"
#include "CaptionText.h"

namespace {
QSize finalSize(const ButtonGeometry& g, int k) {
  const long long w = g.W / k;
  const long long h = g.H / k;
  if (w == 0 || h == 0) return {};
  if (w > std::numeric_limits<int>::max() || h > std::numeric_limits<int>::max()) return {};
  return {static_cast<int>(w), static_cast<int>(h)};
}

// The smallest integer n with k x n >= value (k > 0).
long long ceilDiv(long long value, long long k) {
  return value >= 0 ? (value + k - 1) / k : -((-value) / k);
}
}  // namespace

QSize ButtonImageSize(const ButtonDesign& design, const CaptionFont& font) {
  const ScaledLengths len = ScaleLengths(design);
  const QByteArray caption = design.currentSlot().bytes();
  const CaptionMetrics metrics(CaptionQFont(font, len.k));
  const int lines = CountCaptionLines(caption);
  long long widest = 0;
  for (int n = 1; n <= lines; ++n)
    widest = std::max(widest, metrics.width(GetCaptionLine(caption, n)));
  return finalSize(ComputeGeometry(design, len, widest, metrics.height(), lines), len.k);
}

bool FixButtonSize(ButtonDesign& design, const CaptionFont& font, QSize size) {
  ButtonDesign fixed = design;
  fixed.AutoSize = 0;
  const long long k = fixed.Antialias ? 4 : 1;
  // The image is (k x (size + border) + widening + 2 k outline) div k on each side; the
  // height comes first, as the widening depends on it.
  const long long height =
      static_cast<long long>(size.height()) - fixed.BorderHeight - 2LL * fixed.OutlineSize;
  fixed.ButtonHeight = 0;
  ScaledLengths len = ScaleLengths(fixed);
  const long long scaledHeight = std::clamp(k * height + len.borderHeight, 0LL, 1024LL);
  long long widening = 0;
  if (fixed.ShapeKind == kHexagon) widening = scaledHeight / 2;
  if (fixed.ShapeKind == kRoundedEdges || fixed.ShapeKind == kOctagon) widening = scaledHeight / 3;
  const long long width =
      ceilDiv(k * size.width() - 2 * len.outline - widening, k) - fixed.BorderWidth;
  if (width < std::numeric_limits<std::int32_t>::min() ||
      width > std::numeric_limits<std::int32_t>::max() ||
      height < std::numeric_limits<std::int32_t>::min() ||
      height > std::numeric_limits<std::int32_t>::max()) {
    return false;
  }
  fixed.ButtonWidth = static_cast<std::int32_t>(width);
  fixed.ButtonHeight = static_cast<std::int32_t>(height);
  if (ButtonImageSize(fixed, font) != size) return false;
  design = fixed;
  return true;
}
