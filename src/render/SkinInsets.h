#pragma once

#include <QMargins>
#include <QSize>
#include <optional>

#include "ButtonDesign.h"
#include "ShapeTables.h"

// Where a button without its caption can be stretched as a nine-patch.
//
// With a single-colour surface and no noise, a pixel's colour is a function of its four
// distances to the shape's edges alone (outline rule, bevel ramp). Along a column whose top
// and bottom edges are those of the middle column, a row's pixels stop depending on the
// column once the left and right distances are past what the outline and bevel look at;
// those columns form the horizontal stretch band. The rows are treated the same way with
// the roles swapped.

// A run of working pixels, first..last; empty when last < first.
struct StretchRun {
  int first = 0;
  int last = -1;
  bool empty() const { return last < first; }
};

// The working columns (of a W x H image with these shape tables, outline width o and bevel
// b, all in working pixels) whose every pixel depends on its row only: the smallest
// insets with that property, as a run around the middle column; empty when there is none.
StretchRun RowOnlyColumns(const ShapeTables& shape, int W, int H, long long o, long long b);
// The working rows whose every pixel depends on its column only, around the middle row.
StretchRun ColumnOnlyRows(const ShapeTables& shape, int W, int H, long long o, long long b);

// Output pixels before and after the stretch band, from a working run over `length` working
// pixels reduced by blocks of k: an output pixel is in the band when its whole block is in
// the run; the partial block at the end, which the reduction drops, counts for nothing.
// None when no whole block lies in the run.
struct BandInsets {
  int before = 0;
  int after = 0;
};
std::optional<BandInsets> OutputInsets(const StretchRun& run, int length, int k);

// The nine-patch of a caption-less design, in 1x pixels. Every inset and content distance
// doubles at 2x exactly.
struct SkinInsets {
  QSize size;               // the image
  QMargins stretch;         // the fixed parts: left, top, right, bottom
  QMargins content;         // where text may go: inside the bevel and outline, and the design's
                            // own margin around its caption
  bool widthBand = false;   // a band of columns that depend on the row only exists
  bool heightBand = false;  // a band of rows that depend on the column only exists
};

// The insets of the design as the renderer draws it without a caption (the size is taken as
// for an empty one). Where a direction has no
// band, its stretch insets leave the middle output column (row) to stretch and the flag
// stays false. None for a design that renders no image.
std::optional<SkinInsets> SkinInsetsOf(const ButtonDesign& design, const CaptionFont& font);

// Whether widening the render of this shape only inserts copies of its middle columns:
// every shape but the ellipse, whose curve follows the width.
bool ShapeStretchesAcross(int shapeKind);
// Whether making it taller only inserts copies of its middle rows: the rectangle alone (and
// the kinds drawn as one); the others' curves and cuts follow the height.
bool ShapeStretchesDown(int shapeKind);
