#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

#include "ShapeTables.h"

// Images a render makes besides the button, from the same working image: no second render,
// no draw from the random generator. A transparent image carries straight (not
// premultiplied) alpha, as PNG stores it.
enum ExtraImage : unsigned {
  kOpaque2x = 1,       // the button at twice the size, on the page colour like the button
  kTransparent = 2,    // the button's size, the page showing through
  kTransparent2x = 4,  // twice the size, the page showing through
};

struct ButtonExtras {
  QImage opaque2x;       // RGB32
  QImage transparent;    // ARGB32
  QImage transparent2x;  // ARGB32
};

// Coverage of one row of the working image: 0 where the outline rule paints the page colour
// (beyond an edge, and the one-pixel rim at distance 0 when the outline width o is above 0),
// 255 everywhere else.
void CoverageRow(const ShapeTables& shape, int W, int H, long long o, int y, std::uint8_t* out);

// The reduction of blocks of `block` x `block` working pixels (n of them, block 1, 2 or 4),
// for an output of outW x outH (a partial last block is dropped): each channel := sum of
// c // n.
QImage ReduceOpaque(const QImage& work, int block, int outW, int outH);
// Its row u alone, into out, which may be row u of `work` itself: every block lies at or
// right of its output pixel, in rows from u on, so it is read before it is written over.
void ReduceRow(const QImage& work, int block, int u, int outW, std::uint32_t* out);

// The same with coverage: a working pixel counts with a := 255 where `coverage` is 255, and
// where it is 0 with the caption's glyph coverage g and the caption colour `text` (glyphs
// may be null: no caption). alpha := sum of a // n; each channel := sum of a x c // sum of a,
// 0 where nothing covers the block. `block` is 1 (the working image is the output) or 4, in
// which case *twice, when given, receives the 2 x 2 blocks of the same pass (twice the
// size).
QImage ReduceTransparent(const QImage& work, const std::vector<std::uint8_t>& coverage,
                         const QImage& glyphs, QRgb text, int block, int outW, int outH,
                         QImage* twice = nullptr);

// Each pixel as 2 x 2 pixels.
QImage DoublePixels(const QImage& image);
