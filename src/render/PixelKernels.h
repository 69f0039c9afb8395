#pragma once

#include <cstdint>

#include "PixelRules.h"

// The innermost loops of the pixel pass, over one row's span of channel arrays. They are
// built three times, for AVX-512 (x86-64-v4), for AVX2 and for any x86-64, and the loader
// picks one at start: the same IEEE operations in the same order each way (no
// contraction), so the same results.

struct BlendColours {
  double r1, g1, b1;  // Colour1
  double r2, g2, b2;  // Colour2
  double rp, gp, bp;  // PlasmaColour
};

// Plasma: the weight a is the row's; b from the column sines.
void PlasmaRow(const BlendColours& colours, float a, const double* sines, int x0, int x1, float* R,
               float* G, float* B);
// Plasma 2: a and the sine of b both per pixel.
void Plasma2Row(const BlendColours& colours, const float* a, const double* sines, int x0, int x1,
                float* R, float* G, float* B);
// Gradient: Round(C1 x (xc + ys) / N + C2 x (wc + hs) / N) per channel.
void GradientRow(const BlendColours& colours, const double* xc, const double* wc, double ys,
                 double hs, double N, int x0, int x1, float* R, float* G, float* B);
// PackPixel of each pixel x0 .. x1 - 1.
void PackPixels(const float* R, const float* G, const float* B, std::uint32_t* out, int x0, int x1);

// Where the distances of a row's pixels come from: dL = x - left, dR = right - x,
// dT = y - top[x] and dB = lastRow - bottom[x].
struct RowEdges {
  int left, right, y, lastRow;
};

// Of the pixels x0 .. x1 - 1 of a row, those whose four distances are all at least `least`
// (IsBorder is false): how many, the first and the last (count 0: none). With
// count == last - first + 1 they are one run.
struct SpanRun {
  int count, first, last;
};
SpanRun CountRun(const RowEdges& edges, const std::int32_t* top, const std::int32_t* bottom,
                 int least, int x0, int x1);

// The distortion noise by the draw r: channel v becomes Noise(add[r], keep[r], v).
struct NoiseTable {
  const double *r, *g, *b, *keep;
  int n;  // draws are 0 .. n - 1; n >= 1
};
// Noise on the pixels x0 .. x1 - 1, one draw each in order from seed; returns the seed after
// the last draw.
std::uint32_t NoiseSpan(const NoiseTable& table, std::uint32_t seed, int x0, int x1, float* R,
                        float* G, float* B);

// BevelShade on the pixels x0 .. x1 - 1 of one row, all inside the border; the edges give
// the distances already reduced by the outline width.
struct BevelRow {
  RowEdges edges;
  BevelRamp bevel;
};
void BevelSpan(const BevelRow& row, const std::int32_t* top, const std::int32_t* bottom, int x0,
               int x1, float* R, float* G, float* B);

// BorderPixel for the border pixels x0 .. x1 - 1 of one row.
struct BorderRow {
  RowEdges edges;
  std::uint32_t outline, page;
};
void BorderSpan(const BorderRow& row, const std::int32_t* top, const std::int32_t* bottom, int x0,
                int x1, std::uint32_t* out);
