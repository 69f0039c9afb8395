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

QSize ButtonImageSize(const ButtonDesign& design, const CaptionFont& font, const QString& caption) {
  const ScaledLengths len = ScaleLengths(design);
  const CaptionExtent extent = MeasureCaption(caption, CaptionQFont(font, len.k));
  return finalSize(ComputeGeometry(design, len, extent), len.k);
}

bool FixButtonSize(ButtonDesign& design, const CaptionFont& font, QSize size) {
  ButtonDesign fixed = design;
  fixed.AutoSize = 0;
  const long long k = fixed.Antialias ? 4 : 1;
  // The image is (k x (size + border) + widening + 2 k outline) div k on each side; the
  // height comes first, as the widening depends on it. A size the clamp would cut is
  // refused by the check at the end.
  const long long height =
      static_cast<long long>(size.height()) - fixed.BorderHeight - 2LL * fixed.OutlineSize;
  fixed.ButtonHeight = 0;
  ScaledLengths len = ScaleLengths(fixed);
  const long long widening = ShapeWidening(fixed.ShapeKind, k * height + len.borderHeight);
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
  // A fixed size leaves the caption out of the sizing: none stands for every one.
  if (ButtonImageSize(fixed, font, QString()) != size) return false;
  design = fixed;
  return true;
}
