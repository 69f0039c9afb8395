#include "PixelKernels.h"

#include <cmath>

#include "PixelMath.h"

#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define TESSARO_CLONES __attribute__((target_clones("avx2", "default")))
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
