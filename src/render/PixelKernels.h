#pragma once

#include <cstdint>
#include <string>

#include "PixelRules.h"

// The innermost loops of the pixel pass, over one row's span of channel arrays. They are
// built once for any processor and, on x86-64, again for AVX2 (x86-64-v3) and AVX-512
// (x86-64-v4); a table of each build's loops is chosen once, at the first call of
// Kernels(). Each build makes the same IEEE operations in the same order (no contraction),
// so every build gives the same results.

struct BlendColours {
  double r1, g1, b1;  // Colour1
  double r2, g2, b2;  // Colour2
  double rp, gp, bp;  // PlasmaColour
};

// Where the distances of a row's pixels come from: dL = x - left, dR = right - x,
// dT = y - top[x] and dB = lastRow - bottom[x].
struct RowEdges {
  int left, right, y, lastRow;
};

// Pixels of a row: how many, the first and the last (count 0: none). With
// count == last - first + 1 they are one run.
struct SpanRun {
  int count, first, last;
};

// The distortion noise by the draw r: channel v becomes Noise(r[r], keep[r], v), and so on.
struct NoiseTable {
  const double *r, *g, *b, *keep;
  int n;  // draws are 0 .. n - 1; n >= 1
};

// A row's bevel: the edges give the distances already reduced by the outline width.
struct BevelRow {
  RowEdges edges;
  BevelRamp bevel;
};

// A row's border colours.
struct BorderRow {
  RowEdges edges;
  std::uint32_t outline, page;
};

// One build of the loops. Each works on the pixels x0 .. x1 - 1 of one row, arrays indexed
// by x.
struct PixelKernels {
  const char* name;  // as TESSARO_KERNELS names it
  // Plasma: the weight a is the row's; b from the column sines.
  void (*plasmaRow)(const BlendColours& colours, float a, const double* sines, int x0, int x1,
                    float* R, float* G, float* B);
  // Plasma 2: a and the sine of b both per pixel.
  void (*plasma2Row)(const BlendColours& colours, const float* a, const double* sines, int x0,
                     int x1, float* R, float* G, float* B);
  // Gradient: Round(C1 x (xc + ys) / N + C2 x (wc + hs) / N) per channel.
  void (*gradientRow)(const BlendColours& colours, const double* xc, const double* wc, double ys,
                      double hs, double N, int x0, int x1, float* R, float* G, float* B);
  // PackPixel of each pixel.
  void (*packPixels)(const float* R, const float* G, const float* B, std::uint32_t* out, int x0,
                     int x1);
  // The pixels whose four distances are all at least `least` (IsBorder is false).
  SpanRun (*countRun)(const RowEdges& edges, const std::int32_t* top, const std::int32_t* bottom,
                      int least, int x0, int x1);
  // The noise, one draw each in order from seed; returns the seed after the last draw.
  std::uint32_t (*noiseSpan)(const NoiseTable& table, std::uint32_t seed, int x0, int x1, float* R,
                             float* G, float* B);
  // BevelShade, on pixels all inside the border.
  void (*bevelSpan)(const BevelRow& row, const std::int32_t* top, const std::int32_t* bottom,
                    int x0, int x1, float* R, float* G, float* B);
  // BorderPixel, on border pixels.
  void (*borderSpan)(const BorderRow& row, const std::int32_t* top, const std::int32_t* bottom,
                     int x0, int x1, std::uint32_t* out);
};

// The builds, best last.
enum class KernelVariant { Portable, Avx2, Avx512 };
inline constexpr KernelVariant kKernelVariants[] = {KernelVariant::Portable, KernelVariant::Avx2,
                                                    KernelVariant::Avx512};
const char* KernelVariantName(KernelVariant variant);
// Whether this program has the build and this processor (and its system) runs it.
bool KernelVariantRuns(KernelVariant variant);

// TESSARO_KERNELS=portable|avx2|avx512 forces a build. Unset or empty, the best that runs
// is taken; a name that is unknown or names a build that does not run here takes the best
// that runs as well, and `complaint` says so.
struct KernelChoice {
  KernelVariant variant;
  std::string complaint;  // empty when the request was met
};
KernelChoice ChooseKernels(const char* request, bool (*runs)(KernelVariant));

// The build every kernel call goes through. Chosen at the first call, from TESSARO_KERNELS
// and the processor; a complaint goes to stderr.
const PixelKernels& Kernels();
// Makes later calls of Kernels() give this build, for a start-up choice or a comparison of
// the builds; false, changing nothing, when it does not run here.
bool UseKernels(KernelVariant variant);
