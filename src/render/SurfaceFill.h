#pragma once

#include <QImage>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ButtonDesign.h"
#include "PixelMath.h"
#include "RandomDesign.h"

// The surface colour of the inside pixels (gradient, plasma, plasma 2, single colour,
// texture) and the distortion noise. Everything that depends only on the render, a row, a
// column or a small integer combination of them is computed once, from the very same
// expressions the per-pixel formulas use, so the results are bit-identical to them.
class SurfaceFill {
 public:
  // Once per render, with the final image size W x H and the shape box W0 x H0. The texture
  // is a shallow copy: an edit during the render cannot pull it from under the render.
  void FillSetup(const ButtonDesign& design, int W, int H, double W0, double H0,
                 const QImage& texture);
  // Once per image row, before its pixels: the plasma's row weight, the texture row.
  void beginRow(int y);

  // The fill kind that actually paints: kinds above 4, and Texture without a usable
  // texture, paint as single colour.
  int effectiveKind() const { return kind_; }

  // The surface at (x, y), for the kind K == effectiveKind(); y is the row of the last
  // beginRow call.
  template <int K>
  Channels colourAt(int x, int y) const;
  Channels FillColour(int x, int y) const;

  bool hasNoise() const { return distortion_ > 0; }
  // Mixes a random share of SurfaceColour in; one draw of RandomInt per call.
  Channels DistortionNoise(Channels c) const {
    const int r = RandomInt(distortion_);
    const Noise& n = noise_[static_cast<std::size_t>(r)];
    return {static_cast<float>(n.r + double{c.r} * n.keep),
            static_cast<float>(n.g + double{c.g} * n.keep),
            static_cast<float>(n.b + double{c.b} * n.keep)};
  }

  // Exposed for tests.
  float s() const { return s_; }
  float c() const { return c_; }
  float N() const { return N_; }

 private:
  static Channels mix(const Channels& c1, const Channels& c2, const Channels& p, float a, float b) {
    const float w = static_cast<float>(1 - (double{a} + b));
    return {
        static_cast<float>(RoundHalfEven(c1.r * double{a} + c2.r * double{b}) + p.r * double{w}),
        static_cast<float>(RoundHalfEven(c1.g * double{a} + c2.g * double{b}) + p.g * double{w}),
        static_cast<float>(RoundHalfEven(c1.b * double{a} + c2.b * double{b}) + p.b * double{w})};
  }
  void TextureRow(int y);
  Channels gradientAt(int x, int y) const;
  float plasma2A(int x, int y) const;
  double plasma2Sine(int x, int y) const;

  struct Noise {
    double r, g, b;  // Round(SurfaceColour x t), per channel
    double keep;     // 1 - t
  };

  int kind_ = kSingleColour;
  int W_ = 0, H_ = 0;
  double W0_ = 0, H0_ = 0;
  int direction_ = 0;
  float s_ = 0, c_ = 0, N_ = 0;
  Channels c1_{}, c2_{}, p_{};
  int distortion_ = 0;
  std::vector<Noise> noise_;

  // Gradient: x * c per column, (W0 - x) * c per column; y * s and (H0 - y) * s per row.
  std::vector<double> xc_, wc_;
  std::vector<Channels> gradientColumns_;  // when s == 0 the gradient depends on x only
  // Plasma: sin((FillDirection + x) / W) per column; a per row.
  std::vector<double> plasmaSin_;
  float rowA_ = 0;
  // Plasma 2: a by 4x + y, the sine of b by 4y + x (empty when too large to pay off).
  std::vector<float> plasma2A_;
  std::vector<double> plasma2Sin_;
  // Texture.
  QImage texture_;
  int texW_ = 0, texH_ = 0;
  bool stretch_ = false;
  std::vector<std::int32_t> textureColumn_;
  std::array<float, 256> brightness_{};
  const std::uint32_t* textureLine_ = nullptr;
};

inline Channels SurfaceFill::gradientAt(int x, int y) const {
  const double ys = y * double{s_};
  const double hs = (H0_ - y) * double{s_};
  const double a = xc_[static_cast<std::size_t>(x)] + ys;
  const double b = wc_[static_cast<std::size_t>(x)] + hs;
  const double n = N_;
  return {static_cast<float>(RoundHalfEven(c1_.r * a / n + c2_.r * b / n)),
          static_cast<float>(RoundHalfEven(c1_.g * a / n + c2_.g * b / n)),
          static_cast<float>(RoundHalfEven(c1_.b * a / n + c2_.b * b / n))};
}

template <int K>
inline Channels SurfaceFill::colourAt(int x, int y) const {
  if constexpr (K == kGradient) {
    if (!gradientColumns_.empty()) return gradientColumns_[static_cast<std::size_t>(x)];
    return gradientAt(x, y);
  } else if constexpr (K == kPlasma) {
    const float b = static_cast<float>(
        std::fabs(plasmaSin_[static_cast<std::size_t>(x)] * (1 - double{rowA_})));
    return mix(c1_, c2_, p_, rowA_, b);
  } else if constexpr (K == kPlasma2) {
    const float a = plasma2A(x, y);
    const float b = static_cast<float>(std::fabs(plasma2Sine(x, y) * (1 - double{a})));
    return mix(c1_, c2_, p_, a, b);
  } else if constexpr (K == kTexture) {
    const std::uint32_t px = textureLine_[textureColumn_[static_cast<std::size_t>(x)]];
    return {brightness_[(px >> 16) & 0xFF], brightness_[(px >> 8) & 0xFF], brightness_[px & 0xFF]};
  } else {
    return c1_;
  }
}
