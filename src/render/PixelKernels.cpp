#include "PixelKernels.h"

#include <algorithm>
#include <cmath>

#include "PixelRules.h"
#include "RandomDesign.h"

// GCC only: clang 14 names the dispatcher of the clones "<function>.ifunc", so calls from
// other files find no symbol at all. Not under ThreadSanitizer, which instruments the
// clones' resolver, and that runs before the sanitizer is set up.
#if defined(__x86_64__) && defined(__has_attribute) && !defined(__clang__) && \
    !defined(__SANITIZE_THREAD__)
#if __has_attribute(target_clones)
// The conversions between float and double bound these loops; 512-bit registers hold twice
// as many.
#define TESSARO_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
#endif
#ifndef TESSARO_CLONES
#define TESSARO_CLONES
#endif

namespace {
// Round(C1 x a + C2 x b) + P x w, the blend of both plasma fills, for one channel.
inline float blend(double c1, double c2, double p, float a, float b, float w) {
  return static_cast<float>(RoundHalfEvenSmall(c1 * a + c2 * b) + p * w);
}
}  // namespace

TESSARO_CLONES
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

TESSARO_CLONES
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

TESSARO_CLONES
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

TESSARO_CLONES
void PackPixels(const float* __restrict R, const float* __restrict G, const float* __restrict B,
                std::uint32_t* __restrict out, int x0, int x1) {
  auto byte = [](float v) {
    v = v > 0.0f ? v : 0.0f;  // also turns a NaN into 0
    v = v < 255.0f ? v : 255.0f;
    return static_cast<std::uint32_t>(static_cast<std::int32_t>((v + 0x1p23f) - 0x1p23f));
  };
  for (int x = x0; x < x1; ++x) {
    out[x] = 0xFF000000u | byte(R[x]) << 16 | byte(G[x]) << 8 | byte(B[x]);
  }
}

TESSARO_CLONES
SpanRun CountRun(const std::int32_t* __restrict top, const std::int32_t* __restrict bottom,
                 int topLimit, int bottomLimit, int x0, int x1) {
  auto in = [&](int x) { return (top[x] <= topLimit) & (bottom[x] <= bottomLimit); };
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

namespace {
// The maps of 1 .. kBlock draws: the seeds of a block of pixels follow from the block's first
// seed independently of each other.
constexpr int kBlock = 256;
struct BlockMaps {
  std::uint32_t mul[kBlock], add[kBlock];
};
constexpr BlockMaps MakeBlockMaps() {
  BlockMaps maps{};
  SeedMap map{1, 0};
  for (int i = 0; i < kBlock; ++i) {
    map = {map.mul * kRandomMultiplier, map.add * kRandomMultiplier + kRandomIncrement};
    maps.mul[i] = map.mul;
    maps.add[i] = map.add;
  }
  return maps;
}
constexpr BlockMaps kBlockMaps = MakeBlockMaps();
}  // namespace

TESSARO_CLONES
std::uint32_t NoiseSpan(const NoiseTable& table, std::uint32_t seed, int x0, int x1,
                        float* __restrict R, float* __restrict G, float* __restrict B) {
  const NoiseTable t = table;
  const auto n = static_cast<std::uint32_t>(t.n);
  std::int32_t draw[kBlock];
  for (int start = x0; start < x1; start += kBlock) {
    const int count = std::min(kBlock, x1 - start);
    for (int i = 0; i < count; ++i) {
      const std::uint32_t s = kBlockMaps.mul[i] * seed + kBlockMaps.add[i];
      draw[i] = static_cast<std::int32_t>((std::uint64_t{s} * std::uint64_t{n}) >> 32);
    }
    seed = kBlockMaps.mul[count - 1] * seed + kBlockMaps.add[count - 1];
    float* __restrict r = R + start;
    float* __restrict g = G + start;
    float* __restrict b = B + start;
    for (int i = 0; i < count; ++i) {
      const double keep = t.keep[draw[i]];
      r[i] = static_cast<float>(t.r[draw[i]] + double{r[i]} * keep);
      g[i] = static_cast<float>(t.g[draw[i]] + double{g[i]} * keep);
      b[i] = static_cast<float>(t.b[draw[i]] + double{b[i]} * keep);
    }
  }
  return seed;
}

TESSARO_CLONES
void BevelSpan(const BevelRow& row, const std::int32_t* __restrict top,
               const std::int32_t* __restrict bottom, int x0, int x1, float* __restrict R,
               float* __restrict G, float* __restrict B) {
  const BevelRow k = row;
  // Distances are below 2^31 (they are within the image); a longer bevel ramps over all.
  const int b = static_cast<int>(std::min<long long>(k.b, 0x7FFFFFFF));
  const auto bd = static_cast<double>(k.b);
  for (int x = x0; x < x1; ++x) {
    const int dL = x - k.left;
    const int dR = k.right - x;
    const int dT = k.topRow - top[x];
    const int dB = k.bottomRow - bottom[x];
    // As BevelShade, without branches: dB < b || dR < b is min(dB, dR) < b.
    const int toShadow = std::min(dB, dR);
    const int toHighlight = std::min(dL, dT);
    const double sh = toShadow < b ? static_cast<double>(toShadow) / bd - 1 : 0.0;
    const double hi = toHighlight < b ? 1 - static_cast<double>(toHighlight) / bd : 0.0;
    const auto f = static_cast<float>(sh + hi);
    const bool up = f > 0;
    const float magnitude = up ? f : -f;
    const double w = magnitude > 1.0f ? 1.0f : magnitude;
    const double r = up ? k.hr : k.sr;
    const double g = up ? k.hg : k.sg;
    const double bl = up ? k.hb : k.sb;
    const auto nr = static_cast<float>(r * w + (1 - w) * R[x]);
    const auto ng = static_cast<float>(g * w + (1 - w) * G[x]);
    const auto nb = static_cast<float>(bl * w + (1 - w) * B[x]);
    // f == 0 leaves the pixel as it is.
    R[x] = f == 0.0f ? R[x] : nr;
    G[x] = f == 0.0f ? G[x] : ng;
    B[x] = f == 0.0f ? B[x] : nb;
  }
}

TESSARO_CLONES
void BorderSpan(const BorderRow& row, const std::int32_t* __restrict top,
                const std::int32_t* __restrict bottom, int x0, int x1,
                std::uint32_t* __restrict out) {
  const BorderRow k = row;
  for (int x = x0; x < x1; ++x) {
    const bool rim =
        (x - k.left > 0) & (k.right - x > 0) & (k.y - top[x] > 0) & (k.lastRow - bottom[x] > 0);
    out[x] = rim ? k.outline : k.back;
  }
}
