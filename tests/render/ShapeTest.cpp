#include <gtest/gtest.h>

#include <vector>

#include "ShapeTables.h"

namespace {

ShapeTables shapeOf(int kind, int W, int H) {
  ShapeTables t;
  t.begin(kind, W, H);
  for (int y = 0; y < H; ++y)
    t.shapeRow(y);
  t.edgePass();
  return t;
}

std::vector<int> leftEdges(int kind, int W, int H) {
  const ShapeTables t = shapeOf(kind, W, H);
  return {t.leftEdge().begin(), t.leftEdge().end()};
}

std::vector<int> concat(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> all;
  for (const auto& p : parts)
    all.insert(all.end(), p.begin(), p.end());
  return all;
}

std::vector<int> range(int from, int to) {  // inclusive, either direction
  std::vector<int> v;
  for (int i = from;; i += from < to ? 1 : -1) {
    v.push_back(i);
    if (i == to) break;
  }
  return v;
}

TEST(Shapes, LeftEdgeReferenceTables) {
  EXPECT_EQ(leftEdges(1, 60, 30), concat({{15, 10, 8, 7, 5, 4, 3, 3, 2, 1, 1, 1},
                                          std::vector<int>(6, 0),
                                          {1, 1, 1, 2, 3, 3, 4, 5, 7, 8, 10, 14}}));
  EXPECT_EQ(leftEdges(4, 100, 30), concat({{100, 34, 27, 22, 18, 14, 11, 9, 6, 5, 3, 2, 1},
                                           std::vector<int>(4, 0),
                                           {1, 2, 3, 4, 6, 9, 11, 14, 18, 22, 27, 33, 48}}));
  EXPECT_EQ(leftEdges(5, 100, 30),
            concat({{10, 6, 4, 3, 2, 1, 1}, std::vector<int>(16, 0), {1, 1, 2, 3, 4, 5, 8}}));
  EXPECT_EQ(leftEdges(2, 60, 30), concat({range(15, 1), range(1, 15)}));
  EXPECT_EQ(leftEdges(3, 60, 30), concat({range(10, 1), std::vector<int>(10, 0), range(1, 10)}));
}

TEST(Shapes, WideningOfTheImage) {
  struct Case {
    int kind;
    long long height, widening;
  };
  const Case cases[] = {{0, 28, 0},   {1, 28, 9},   {2, 28, 14},  {3, 28, 9},  {4, 28, 0},
                        {5, 28, 0},   {6, 28, 0},   {255, 28, 0}, {2, 29, 14}, {1, 29, 9},
                        {3, 116, 38}, {2, 116, 58}, {2, -7, -3},  {3, 0, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(ShapeWidening(c.kind, c.height), c.widening) << c.kind << " " << c.height;
}

TEST(Shapes, RectangleHasZeroEdgesAndNoInset) {
  const ShapeTables t = shapeOf(0, 17, 9);
  for (int v : t.leftEdge())
    EXPECT_EQ(v, 0);
  for (int v : t.topEdge())
    EXPECT_EQ(v, 0);
  for (int v : t.bottomEdge())
    EXPECT_EQ(v, 0);
  EXPECT_EQ(t.rightInset(), 0);
  for (int kind : {1, 2, 3, 4, 5, 6, 255})
    EXPECT_EQ(shapeOf(kind, 10, 10).rightInset(), 4);
}

TEST(Shapes, KindsAboveFiveAreRectanglesWithTheInset) {
  const ShapeTables t = shapeOf(200, 31, 7);
  for (int v : t.leftEdge())
    EXPECT_EQ(v, 0);
  for (int v : t.topEdge())
    EXPECT_EQ(v, 0);
}

TEST(Shapes, HexagonFirstColumn) {
  // Even height: nothing of column 0 is inside.
  EXPECT_EQ(shapeOf(2, 40, 20).topEdge()[0], 20);
  // Odd height: only the middle row.
  const ShapeTables odd = shapeOf(2, 40, 21);
  EXPECT_EQ(odd.topEdge()[0], 10);
  EXPECT_EQ(odd.bottomEdge()[0], 10);
  for (int y = 0; y < 21; ++y)
    EXPECT_EQ(odd.ShapeInside(0, y), y == 10) << y;
}

TEST(Shapes, OctagonKeepsItsMiddleRowAndCutsItsCorners) {
  const int H = 31;
  const ShapeTables t = shapeOf(3, 80, H);
  EXPECT_EQ(t.leftEdge()[H / 2], 0);
  for (int y = 0; y < H; ++y) {
    EXPECT_EQ(t.ShapeInside(0, y), !(y < H / 3 || y >= H - H / 3)) << y;
  }
}

TEST(Shapes, RoundedRectangleUnderThreeRowsIsARectangle) {
  for (int H : {1, 2}) {
    const ShapeTables t = shapeOf(5, 20, H);
    for (int v : t.leftEdge())
      EXPECT_EQ(v, 0);
  }
}

TEST(Shapes, OnePixelHighCurvesInsetTheRowByHalf) {
  // s counts as 0: Rounded edges insets by H / 2 = 0.5 (rounds to 0), the Ellipse by
  // W / 2, which leaves its left part empty.
  EXPECT_EQ(leftEdges(1, 20, 1), std::vector<int>{0});
  EXPECT_EQ(leftEdges(4, 20, 1), std::vector<int>{20});  // all background
}

TEST(Shapes, OddWidthMiddleColumnHasItsOwnEdges) {
  const int W = 41, H = 30;
  const ShapeTables t = shapeOf(4, W, H);
  const int mid = W / 2;
  EXPECT_LE(t.topEdge()[mid], t.topEdge()[mid - 1]);
  EXPECT_EQ(t.topEdge()[mid + 1], t.topEdge()[mid - 1]);
  // Every column's values match its own inside test, mirrored on the right.
  for (int x = 0; x <= mid; ++x) {
    int top = H;
    for (int y = H - 1; y >= 0; --y) {
      if (t.ShapeInside(x, y)) top = y;
    }
    EXPECT_EQ(t.topEdge()[x], top) << x;
    EXPECT_EQ(t.topEdge()[W - 1 - x], top) << x;
  }
}

TEST(Shapes, MaskRowsMatchThePerPixelTestForEveryKind) {
  // The shape pass fills rows by their first inside pixel; it must agree with the plain
  // per-pixel test everywhere.
  for (int kind = 0; kind <= 6; ++kind) {
    for (auto [W, H] : {std::pair{60, 30}, {33, 47}, {7, 3}, {2024, 9}, {5, 120}}) {
      const ShapeTables t = shapeOf(kind, W, H);
      for (int y = 0; y < H; ++y) {
        int first = W;
        for (int x = 0; x < W - W / 2; ++x) {
          if (t.ShapeInside(x, y)) {
            first = x;
            break;
          }
        }
        ASSERT_EQ(t.leftEdge()[y], first) << kind << " " << W << "x" << H << " row " << y;
      }
    }
  }
}

}  // namespace
