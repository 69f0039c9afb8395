#pragma once

#include <cstdint>

// The innermost loops of the pixel pass, over one row's span of channel arrays. They are
// built twice, for AVX2 and for any x86-64, and the loader picks one at start: the same
// IEEE operations in the same order either way (no contraction), so the same results.

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
// Clamp to 0..255, round halves to even, pack as 0xFFRRGGBB; a NaN counts as 0.
void PackPixels(const float* R, const float* G, const float* B, std::uint32_t* out, int x0, int x1);
