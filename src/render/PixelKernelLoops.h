#pragma once

// The bodies of the kernels, included once by the file of each build
// (PixelKernelsPortable.cpp, PixelKernelsAvx2.cpp, PixelKernelsAvx512.cpp), which compiles
// them with its own -march. Their functions have internal linkage, and what they inline from
// other headers lives in the namespace that KernelVariant.h sets, so no build's code can
// stand in for another's. They use nothing else that is inline: no standard templates (no
// std::min), only the C library's functions.
#include <cmath>

#include "KernelVariant.h"
#include "PixelKernels.h"
#include "PixelRules.h"
#include "RandomGenerator.h"

namespace {

// Round(C1 x a + C2 x b) + P x w, the blend of both plasma fills, for one channel.
inline float blend(double c1, double c2, double p, float a, float b, float w) {
  return static_cast<float>(RoundHalfEvenSmall(c1 * a + c2 * b) + p * w);
}

void PlasmaRow(const BlendColours& c, float a, const double* __restrict sines, int x0, int x1,
               float* __restrict R, float* __restrict G, float* __restrict B) {
  const BlendColours k = c;
  const double keep = 1 - double{a};
  for (int x = x0; x < x1; ++x) {
    const float b = static_cast<float>(std::fabs(sines[x] * keep));
    const float w = static_cast<float>(1 - (double{a} + b));
    R[x] = blend(k.r1, k.r2, k.rp, a, b, w);
    G[x] = blend(k.g1, k.g2, k.gp, a, b, w);
    B[x] = blend(k.b1, k.b2, k.bp, a, b, w);
  }
}

void Plasma2Row(const BlendColours& c, const float* __restrict a, const double* __restrict sines,
                int x0, int x1, float* __restrict R, float* __restrict G, float* __restrict B) {
  const BlendColours k = c;
  for (int x = x0; x < x1; ++x) {
    const float b = static_cast<float>(std::fabs(sines[x] * (1 - double{a[x]})));
    const float w = static_cast<float>(1 - (double{a[x]} + b));
    R[x] = blend(k.r1, k.r2, k.rp, a[x], b, w);
    G[x] = blend(k.g1, k.g2, k.gp, a[x], b, w);
    B[x] = blend(k.b1, k.b2, k.bp, a[x], b, w);
  }
}

void GradientRow(const BlendColours& c, const double* __restrict xc, const double* __restrict wc,
                 double ys, double hs, double N, int x0, int x1, float* __restrict R,
                 float* __restrict G, float* __restrict B) {
  const BlendColours k = c;
  for (int x = x0; x < x1; ++x) {
    const double a = xc[x] + ys;
    const double b = wc[x] + hs;
    R[x] = static_cast<float>(RoundHalfEven(k.r1 * a / N + k.r2 * b / N));
    G[x] = static_cast<float>(RoundHalfEven(k.g1 * a / N + k.g2 * b / N));
    B[x] = static_cast<float>(RoundHalfEven(k.b1 * a / N + k.b2 * b / N));
  }
}

void PackPixels(const float* __restrict R, const float* __restrict G, const float* __restrict B,
                std::uint32_t* __restrict out, int x0, int x1) {
  for (int x = x0; x < x1; ++x)
    out[x] = PackPixel(R[x], G[x], B[x]);
}

SpanRun CountRun(const RowEdges& edges, const std::int32_t* __restrict top,
                 const std::int32_t* __restrict bottom, int least, int x0, int x1) {
  const RowEdges e = edges;
  auto in = [&](int x) {
    return !IsBorder(x - e.left, e.right - x, e.y - top[x], e.lastRow - bottom[x], least);
  };
  int count = 0;
  for (int x = x0; x < x1; ++x)
    count += in(x) ? 1 : 0;
  if (count == 0) return {0, x1, x0 - 1};
  // The ends of a row's inside pixels lie near the ends of its span.
  int first = x0;
  while (!in(first))
    ++first;
  int last = x1 - 1;
  while (!in(last))
    --last;
  return {count, first, last};
}

// The maps of 1 .. kBlock draws: the seeds of a block of pixels follow from the block's first
// seed independently of each other.
constexpr int kBlock = 256;
struct BlockMaps {
  std::uint32_t mul[kBlock], add[kBlock];
};
constexpr BlockMaps MakeBlockMaps() {
  BlockMaps maps{};
  for (int i = 0; i < kBlock; ++i) {
    const SeedMap map = MapOfDraws(static_cast<std::uint64_t>(i) + 1);
    maps.mul[i] = map.mul;
    maps.add[i] = map.add;
  }
  return maps;
}
constexpr BlockMaps kBlockMaps = MakeBlockMaps();

std::uint32_t NoiseSpan(const NoiseTable& table, std::uint32_t seed, int x0, int x1,
                        float* __restrict R, float* __restrict G, float* __restrict B) {
  const NoiseTable t = table;
  const auto n = static_cast<std::uint32_t>(t.n);
  std::int32_t draw[kBlock];
  for (int start = x0; start < x1; start += kBlock) {
    const int count = x1 - start < kBlock ? x1 - start : kBlock;
    for (int i = 0; i < count; ++i) {
      draw[i] = DrawFrom(Advance({kBlockMaps.mul[i], kBlockMaps.add[i]}, seed), n);
    }
    seed = Advance({kBlockMaps.mul[count - 1], kBlockMaps.add[count - 1]}, seed);
    float* __restrict r = R + start;
    float* __restrict g = G + start;
    float* __restrict b = B + start;
    for (int i = 0; i < count; ++i) {
      const double keep = t.keep[draw[i]];
      r[i] = Noise(t.r[draw[i]], keep, r[i]);
      g[i] = Noise(t.g[draw[i]], keep, g[i]);
      b[i] = Noise(t.b[draw[i]], keep, b[i]);
    }
  }
  return seed;
}

void BevelSpan(const BevelRow& row, const std::int32_t* __restrict top,
               const std::int32_t* __restrict bottom, int x0, int x1, float* __restrict R,
               float* __restrict G, float* __restrict B) {
  const RowEdges e = row.edges;
  const BevelRamp k = row.bevel;
  for (int x = x0; x < x1; ++x) {
    const Channels c = BevelShade(k, x - e.left, e.right - x, e.y - top[x], e.lastRow - bottom[x],
                                  Channels{R[x], G[x], B[x]});
    R[x] = c.r;
    G[x] = c.g;
    B[x] = c.b;
  }
}

void BorderSpan(const BorderRow& row, const std::int32_t* __restrict top,
                const std::int32_t* __restrict bottom, int x0, int x1,
                std::uint32_t* __restrict out) {
  const BorderRow k = row;
  const RowEdges e = k.edges;
  for (int x = x0; x < x1; ++x) {
    out[x] = BorderPixel(x - e.left, e.right - x, e.y - top[x], e.lastRow - bottom[x], k.outline,
                         k.page);
  }
}

// The table of this build, for its file to give a name.
constexpr PixelKernels KernelTable(const char* name) {
  return {name,     PlasmaRow, Plasma2Row, GradientRow, PackPixels,
          CountRun, NoiseSpan, BevelSpan,  BorderSpan};
}

}  // namespace
