#include "SkinInsets.h"

#include <algorithm>
#include <limits>

#include "ButtonRenderer.h"
#include "CaptionText.h"

namespace {
constexpr int kNone = std::numeric_limits<int>::min();

// How far in from an edge a pixel must lie, along one line across the band, so that its
// colour no longer depends on that distance. `along` is its distance to the near edge
// across the line (dT for a row's left end), `across` the smaller of the two edge
// distances across (min(dT, dB)); o and b are the outline and bevel widths (b >= 0).
// kNone: the line's pixels in the band do not depend on the distance at all.
//  - beyond an edge across, or on the outermost pixel with an outline: background;
//  - within the outline band across: outline colour from distance 1 on, the rim before;
//  - otherwise: a border pixel below o, then the bevel ramp, which follows
//    min(along - o, distance - o) on the highlight side and min(across - o, ...) on the
//    shadow side, so it stops changing at min(along, o + b).
int Threshold(long long along, long long across, long long o, long long b) {
  if (across < 0 || (o > 0 && across == 0)) return kNone;
  if (across < o) return 1;
  return static_cast<int>(std::min(along, o + b));
}

// The run of positions around `middle` at which both tables hold the middle's values.
StretchRun SameAsMiddle(const std::vector<std::int32_t>& a, const std::vector<std::int32_t>& b,
                        int middle) {
  StretchRun run{middle, middle};
  const auto same = [&](int i) { return a[i] == a[middle] && b[i] == b[middle]; };
  while (run.first > 0 && same(run.first - 1))
    --run.first;
  while (run.last + 1 < static_cast<int>(a.size()) && same(run.last + 1))
    ++run.last;
  return run;
}
}  // namespace

StretchRun RowOnlyColumns(const ShapeTables& shape, int W, int H, long long o, long long b) {
  if (W <= 0 || H <= 0) return {};
  b = std::max(b, 0LL);
  const auto& left = shape.leftEdge();
  const auto& top = shape.topEdge();
  const auto& bottom = shape.bottomEdge();
  // Columns whose top and bottom edges differ from the middle's differ in some row.
  StretchRun run = SameAsMiddle(top, bottom, (W - 1) / 2);
  const long long T = top[static_cast<std::size_t>((W - 1) / 2)];
  const long long B = bottom[static_cast<std::size_t>((W - 1) / 2)];
  long long first = run.first;
  long long last = run.last;
  for (int y = 0; y < H; ++y) {
    const long long l = left[static_cast<std::size_t>(y)];
    if (l >= W) continue;  // a row of background
    const long long dT = y - T;
    const long long dB = (H - 1) - B - y;
    const long long across = std::min(dT, dB);
    const int fromLeft = Threshold(dT, across, o, b);
    const int fromRight = Threshold(dB, across, o, b);
    if (fromLeft != kNone) first = std::max(first, l + fromLeft);
    if (fromRight != kNone) last = std::min(last, (W - 1) - (l + shape.rightInset()) - fromRight);
  }
  if (last < first) return {};
  return {static_cast<int>(first), static_cast<int>(last)};
}

StretchRun ColumnOnlyRows(const ShapeTables& shape, int W, int H, long long o, long long b) {
  if (W <= 0 || H <= 0) return {};
  b = std::max(b, 0LL);
  const auto& left = shape.leftEdge();
  const auto& top = shape.topEdge();
  const auto& bottom = shape.bottomEdge();
  // Rows whose left edge differs from the middle row's differ in some column.
  StretchRun run = SameAsMiddle(left, left, (H - 1) / 2);
  const long long L = left[static_cast<std::size_t>((H - 1) / 2)];
  if (L >= W) return {};
  long long first = run.first;
  long long last = run.last;
  for (int x = 0; x < W; ++x) {
    const long long t = top[static_cast<std::size_t>(x)];
    if (t >= H) continue;  // a column of background
    const long long dL = x - L;
    const long long dR = (W - 1) - (L + shape.rightInset()) - x;
    const long long across = std::min(dL, dR);
    // The highlight meets the top edge with dL, the shadow the bottom edge with dR.
    const int fromTop = Threshold(dL, across, o, b);
    const int fromBottom = Threshold(dR, across, o, b);
    if (fromTop != kNone) first = std::max(first, t + fromTop);
    if (fromBottom != kNone) {
      last = std::min(
          last, (H - 1) - static_cast<long long>(bottom[static_cast<std::size_t>(x)]) - fromBottom);
    }
  }
  if (last < first) return {};
  return {static_cast<int>(first), static_cast<int>(last)};
}

std::optional<BandInsets> OutputInsets(const StretchRun& run, int length, int k) {
  const int blocks = length / k;
  if (run.empty() || blocks == 0) return std::nullopt;
  const int firstBlock = (run.first + k - 1) / k;
  const int lastBlock = std::min((run.last + 1) / k - 1, blocks - 1);
  if (lastBlock < firstBlock) return std::nullopt;
  return BandInsets{firstBlock, blocks - 1 - lastBlock};
}

bool ShapeStretchesAcross(int shapeKind) {
  return shapeKind != kEllipse;
}

bool ShapeStretchesDown(int shapeKind) {
  return shapeKind == kRectangle || shapeKind > kRoundedRectangle;
}

std::optional<SkinInsets> SkinInsetsOf(const ButtonDesign& design, const CaptionFont& font) {
  const ScaledLengths len = ScaleLengths(design);
  // The skin has no caption: an empty one, one line of width 0.
  const ButtonGeometry g =
      ComputeGeometry(design, len, MeasureCaption(QString(), CaptionQFont(font, len.k)));
  const int k = len.k;
  if (g.W < k || g.H < k || g.H > kMaxRenderPixels / g.W) return std::nullopt;
  const int W = static_cast<int>(g.W);
  const int H = static_cast<int>(g.H);
  ShapeTables shape;
  shape.begin(design.ShapeKind, W, H);
  for (int y = 0; y < H; ++y)
    shape.shapeRow(y);
  shape.edgePass();

  SkinInsets insets;
  insets.size = QSize(W / k, H / k);
  const long long o = len.outline;
  const long long b = std::max(len.bevel, 0LL);
  const auto middle = [](int blocks) { return BandInsets{(blocks - 1) / 2, blocks / 2}; };
  std::optional<BandInsets> across = OutputInsets(RowOnlyColumns(shape, W, H, o, b), W, k);
  std::optional<BandInsets> down = OutputInsets(ColumnOnlyRows(shape, W, H, o, b), H, k);
  insets.widthBand = across.has_value();
  insets.heightBand = down.has_value();
  const BandInsets columns = across.value_or(middle(W / k));
  const BandInsets rows = down.value_or(middle(H / k));
  insets.stretch = QMargins(columns.before, rows.before, columns.after, rows.after);

  // Text stays inside the outline and bevel along the middle row and column, and keeps at
  // least the room the design gives its own caption: half the border (and of the shape's
  // widening) plus the outline on each side.
  const long long midL = shape.leftEdge()[static_cast<std::size_t>((H - 1) / 2)];
  const long long midT = shape.topEdge()[static_cast<std::size_t>((W - 1) / 2)];
  const long long midB = shape.bottomEdge()[static_cast<std::size_t>((W - 1) / 2)];
  const auto ceilK = [k](long long n) { return static_cast<int>((std::max(n, 0LL) + k - 1) / k); };
  const auto floorK = [k](long long n) { return static_cast<int>(std::max(n, 0LL) / k); };
  // The last working pixel inside, as output pixels left after the last whole block in.
  const auto afterLast = [k](long long last, int blocks) {
    return blocks -
           static_cast<int>(std::clamp((last + 1) / k, 0LL, static_cast<long long>(blocks)));
  };
  long long widening = 0;
  if (design.ShapeKind == kHexagon) widening = g.H0 / 2;
  if (design.ShapeKind == kRoundedEdges || design.ShapeKind == kOctagon) widening = g.H0 / 3;
  const int marginX = floorK((len.borderWidth + widening) / 2 + o);
  const int marginY = floorK(len.borderHeight / 2 + o);
  QMargins content(
      std::max(ceilK(midL + o + b), marginX), std::max(ceilK(midT + o + b), marginY),
      std::max(afterLast((W - 1) - (midL + shape.rightInset()) - o - b, W / k), marginX),
      std::max(afterLast((H - 1) - midB - o - b, H / k), marginY));
  // No room left: the text goes where the button stretches.
  if (content.left() + content.right() >= insets.size.width()) {
    content.setLeft(insets.stretch.left());
    content.setRight(insets.stretch.right());
  }
  if (content.top() + content.bottom() >= insets.size.height()) {
    content.setTop(insets.stretch.top());
    content.setBottom(insets.stretch.bottom());
  }
  insets.content = content;
  return insets;
}
