#include "ShapeTables.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "ButtonDesign.h"
#include "PixelRules.h"

long long ShapeWidening(int shapeKind, long long height) {
  switch (shapeKind) {
    case kHexagon:
      return height / 2;
    case kRoundedEdges:
    case kOctagon:
      return height / 3;
    default:
      return 0;
  }
}

void ShapeTables::begin(int shapeKind, int W, int H) {
  shapeKind_ = shapeKind;
  W_ = W;
  H_ = H;
  leftWidth_ = W - W / 2;
  if (keepsMask()) {
    ShapeMask.assign(static_cast<std::size_t>(leftWidth_) * static_cast<std::size_t>(H), 0);
  } else {
    ShapeMask.clear();
  }
  LeftEdge.assign(static_cast<std::size_t>(H), W);
  TopEdge.assign(static_cast<std::size_t>(W), H);
  BottomEdge.assign(static_cast<std::size_t>(W), H);
}

bool ShapeTables::hasInsetRows() const {
  return shapeKind_ == 1 || shapeKind_ == 4 || shapeKind_ == 5;
}

ShapeTables::InsetRow ShapeTables::insetRow(int y) const {
  const double h = H_;
  float s = 0.0f;
  double inset = 0.0;
  double radius = 0.0;
  double divisor = 0.0;
  if (shapeKind_ == 5) {
    inset = h / 3;
    radius = h;
    divisor = 3;
    if (y < H_ / 3) {
      s = static_cast<float>(std::sin(y * 3.14 / ((h - 1) * 2 / 3)));
    } else if (y > (2 * H_) / 3) {
      s = static_cast<float>(std::sin((y - h / 3) * 3.14 / ((h - 1) * 2 / 3)));
    } else {
      return {true, 0.0, 0.0f};
    }
  } else {
    radius = shapeKind_ == 4 ? W_ : h;
    inset = radius / 2;
    divisor = 2;
    if (H_ > 1) s = static_cast<float>(std::sin(y * 3.14 / (h - 1)));
  }
  const float f = s == 0.0f ? 0.0f : static_cast<float>(radius * std::sqrt(double{s}) / divisor);
  return {false, inset, f};
}

bool ShapeTables::insideInsetRow(const InsetRow& row, int x) {
  // u never exceeds x, so inside means u >= 0 (false for a NaN as well).
  return row.full || RoundHalfEven(x - row.inset + row.f) >= 0.0;
}

int ShapeTables::firstInsideOfInsetRow(int y) const {
  // u = Round((x - inset) + f) never falls as x grows, so the inside pixels form a suffix;
  // find where it starts with the per-pixel test itself, the row's terms computed once.
  const InsetRow row = insetRow(y);
  int lo = 0;
  int hi = leftWidth_;  // hi: known inside or past the end
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (insideInsetRow(row, mid)) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return lo;
}

bool ShapeTables::ShapeInside(int x, int y) const {
  const int W = W_;
  const int H = H_;
  switch (shapeKind_) {
    case 1:
    case 4:
    case 5:
      return insideInsetRow(insetRow(y), x);
    case 2: {
      const int c = H / 2;
      long long v = y;
      if (y >= c) {
        if (x < c) v = c + y - x;
        if (W - x < c) v = static_cast<long long>(c) + y - (W - x);
      }
      if (y < c) {
        if (x < c) v = y - c + x;
        if (W - x < c) v = static_cast<long long>(y) - c + (W - x);
      }
      return v >= 0 && v < H;
    }
    case 3: {
      const int c = H / 2;
      const int t = H / 3;
      long long v = y;
      if (y > c) {
        if (x < t) v = y + t - x;
        if (W - x < t) v = static_cast<long long>(y) + t - (W - x);
      }
      if (y < c) {
        if (x < t) v = y - t + x;
        if (W - x < t) v = static_cast<long long>(y) - t + (W - x);
      }
      return v >= 0 && v < H;
    }
    default:  // 0, and kinds above 5, which are rectangles
      return true;
  }
}

void ShapeTables::shapeRow(int y) {
  if (!keepsMask()) {
    const int first = hasInsetRows() ? firstInsideOfInsetRow(y) : 0;
    LeftEdge[static_cast<std::size_t>(y)] = first < leftWidth_ ? first : W_;
    return;
  }
  std::uint8_t* row = ShapeMask.data() + static_cast<std::size_t>(y) * leftWidth_;
  for (int x = 0; x < leftWidth_; ++x)
    row[x] = ShapeInside(x, y) ? 1 : 0;
}

void ShapeTables::edgePass() {
  if (keepsMask()) {
    maskEdges();
  } else {
    suffixEdges();
  }
  for (int x = 0; x < leftWidth_; ++x) {
    TopEdge[W_ - 1 - x] = TopEdge[x];
    BottomEdge[W_ - 1 - x] = BottomEdge[x];
  }
}

void ShapeTables::suffixEdges() {
  // Row y is inside from LeftEdge[y] to the end of the left part, so a column's top edge is
  // the first row whose left edge reaches it: each column is set once, from the top down,
  // and likewise from the bottom up.
  int reached = leftWidth_;  // columns from here on have their edge
  for (int y = 0; y < H_ && reached > 0; ++y) {
    const int first = std::min(LeftEdge[static_cast<std::size_t>(y)], leftWidth_);
    for (int x = first; x < reached; ++x)
      TopEdge[static_cast<std::size_t>(x)] = y;
    reached = std::min(reached, first);
  }
  reached = leftWidth_;
  for (int y = H_ - 1; y >= 0 && reached > 0; --y) {
    const int first = std::min(LeftEdge[static_cast<std::size_t>(y)], leftWidth_);
    for (int x = first; x < reached; ++x)
      BottomEdge[static_cast<std::size_t>(x)] = H_ - 1 - y;
    reached = std::min(reached, first);
  }
}

void ShapeTables::maskEdges() {
  for (int y = 0; y < H_; ++y) {
    const std::uint8_t* row = ShapeMask.data() + static_cast<std::size_t>(y) * leftWidth_;
    const std::uint8_t* first = std::find(row, row + leftWidth_, 1);
    LeftEdge[y] = first == row + leftWidth_ ? W_ : static_cast<std::int32_t>(first - row);
  }
  // Top edges from the first rows down, bottom edges from the last rows up; a column
  // keeps H when no row of it is inside.
  int unsetTop = leftWidth_;
  for (int y = 0; y < H_ && unsetTop > 0; ++y) {
    const std::uint8_t* row = ShapeMask.data() + static_cast<std::size_t>(y) * leftWidth_;
    for (int x = LeftEdge[y]; x < leftWidth_; ++x) {
      if (row[x] && TopEdge[x] == H_) {
        TopEdge[x] = y;
        --unsetTop;
      }
    }
  }
  int unsetBottom = leftWidth_;
  for (int y = H_ - 1; y >= 0 && unsetBottom > 0; --y) {
    const std::uint8_t* row = ShapeMask.data() + static_cast<std::size_t>(y) * leftWidth_;
    for (int x = LeftEdge[y]; x < leftWidth_; ++x) {
      if (row[x] && BottomEdge[x] == H_) {
        BottomEdge[x] = H_ - 1 - y;
        --unsetBottom;
      }
    }
  }
}
