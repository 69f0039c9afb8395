#pragma once

#include <cstdint>
#include <vector>

// How much wider than its box the image of a shape kind is made, for a box `height` high:
// room for the cut or rounded ends of the hexagon (height div 2), the octagon and the
// rounded edges (height div 3).
long long ShapeWidening(int shapeKind, long long height);

// Decides which pixels of a W x H image lie inside the button's shape and condenses that
// into edge tables, from which every pixel's distances to the four edges follow. Only the
// left part of each row (columns 0 .. W - W div 2 - 1) is evaluated; the right side is its
// mirror, moved in by RightInset.
class ShapeTables {
 public:
  // Sizes the tables for one render. W and H are at least 1.
  void begin(int shapeKind, int W, int H);
  // Sets the inside flags of the left part of row y.
  void shapeRow(int y);
  // Fills LeftEdge, TopEdge and BottomEdge from the flags.
  void edgePass();

  int rightInset() const { return shapeKind_ == 0 ? 0 : 4; }
  const std::vector<std::int32_t>& leftEdge() const { return LeftEdge; }
  const std::vector<std::int32_t>& topEdge() const { return TopEdge; }
  const std::vector<std::int32_t>& bottomEdge() const { return BottomEdge; }

  // The inside test of one pixel of the left part, as the formulas define it.
  bool ShapeInside(int x, int y) const;

 private:
  // Rows of kinds 1, 4 and 5 move their left end inwards by Round(x - inset + f) and
  // are otherwise full: the inside pixels of such a row are a suffix of the left part.
  struct InsetRow {
    bool full;  // no curve in this row
    double inset;
    float f;
  };
  InsetRow insetRow(int y) const;
  static bool insideInsetRow(const InsetRow& row, int x);
  int firstInsideOfInsetRow(int y) const;
  bool hasInsetRows() const;
  // Kinds 2 and 3 decide pixel by pixel and keep a mask; every other kind's rows are
  // suffixes of the left part, which LeftEdge alone describes.
  bool keepsMask() const { return shapeKind_ == 2 || shapeKind_ == 3; }
  void suffixEdges();
  void maskEdges();

  int shapeKind_ = 0;
  int W_ = 0;
  int H_ = 0;
  int leftWidth_ = 0;  // columns of the left part
  // One inside flag per pixel of the left part, row by row (kinds 2 and 3 only).
  std::vector<std::uint8_t> ShapeMask;
  std::vector<std::int32_t> LeftEdge;    // per row
  std::vector<std::int32_t> TopEdge;     // per column
  std::vector<std::int32_t> BottomEdge;  // per column
};
