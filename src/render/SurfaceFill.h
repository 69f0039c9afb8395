#pragma once

#include <QImage>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ButtonDesign.h"
#include "PixelKernels.h"
#include "PixelRules.h"

// The gradient's terms from the fill direction and the image size W x H: the direction's
// sine and cosine (3.14 standing for pi) and the normaliser N = W c + H s, each held as a
// float.
struct GradientTerms {
  float s, c, N;
};
GradientTerms GradientTermsOf(int direction, int W, int H);

// The surface colour of the inside pixels (gradient, plasma, plasma 2, single colour,
// texture) and the distortion noise. Everything that depends only on the render, a row, a
// column or a small integer combination of them is computed once, from the very same
// expressions the per-pixel formulas use, so the results are bit-identical to them.
class SurfaceFill {
 public:
  // Once per render, with the final image size W x H and the shape box W0 x H0, and the
  // kernels the render uses. The texture is a shallow copy: an edit during the render cannot
  // pull it from under the render.
  void FillSetup(const ButtonDesign& design, int W, int H, double W0, double H0,
                 const QImage& texture, const PixelKernels& kernels = Kernels());
  // What the pixels of one row share: the plasma's row weight, the texture row. Kept apart
  // from the fill, so that rows can be filled on two threads at once.
  struct Row {
    float a = 0;
    const std::uint32_t* textureLine = nullptr;
  };
  Row rowOf(int y) const;

  // The fill kind that actually paints: kinds above 4, and Texture without a usable
  // texture, paint as single colour.
  int effectiveKind() const { return kind_; }

  // The surface of the pixels x0 .. x1 - 1 of row y (row: rowOf(y)), for the kind
  // K == effectiveKind(), into channel arrays indexed by x. Written as plain loops over
  // arrays so that the compiler can vectorise them.
  template <int K>
  void fillSpan(const Row& row, int y, int x0, int x1, float* R, float* G, float* B) const;

  bool hasNoise() const { return distortion_ > 0; }
  // The distortion noise by the draw (NoiseSpan); only while hasNoise().
  NoiseTable noiseTable() const {
    return {noiseR_.data(), noiseG_.data(), noiseB_.data(), noiseKeep_.data(), distortion_};
  }

 private:
  const std::uint32_t* TextureRow(int y) const;

  const PixelKernels* kernels_ = nullptr;
  int kind_ = kSingleColour;
  int W_ = 0, H_ = 0;
  double W0_ = 0, H0_ = 0;
  int direction_ = 0;
  float s_ = 0, c_ = 0, N_ = 0;
  Channels c1_{}, c2_{}, p_{};
  BlendColours blend_{};
  int distortion_ = 0;
  // By the draw r, with t = r / 100: Round(SurfaceColour x t) per channel, and 1 - t.
  std::vector<double> noiseR_, noiseG_, noiseB_, noiseKeep_;

  // Gradient: x * c and (W0 - x) * c per column; when s == 0 the gradient does not depend
  // on the row and whole columns are computed once.
  std::vector<double> xc_, wc_;
  std::vector<float> columnR_, columnG_, columnB_;
  // Plasma: sin((FillDirection + x) / W) per column.
  std::vector<double> plasmaSin_;
  // Plasma 2: a by 4x + y, kept as four tables by y mod 4 so that a row reads one of them
  // contiguously; the sine of b by 4y + x. Empty when the image is too large to pay off.
  std::array<std::vector<float>, 4> plasma2A_;
  std::vector<double> plasma2Sin_;
  // Texture.
  QImage texture_;
  int texW_ = 0, texH_ = 0;
  bool stretch_ = false;
  std::vector<std::int32_t> textureColumn_;
  std::array<float, 256> brightness_{};
};

template <int K>
inline void SurfaceFill::fillSpan(const Row& row, int y, int x0, int x1, float* R, float* G,
                                  float* B) const {
  if constexpr (K == kGradient) {
    if (!columnR_.empty()) {
      for (int x = x0; x < x1; ++x) {
        R[x] = columnR_[static_cast<std::size_t>(x)];
        G[x] = columnG_[static_cast<std::size_t>(x)];
        B[x] = columnB_[static_cast<std::size_t>(x)];
      }
      return;
    }
    kernels_->gradientRow(blend_, xc_.data(), wc_.data(), y * double{s_}, (H0_ - y) * double{s_},
                          N_, x0, x1, R, G, B);
  } else if constexpr (K == kPlasma) {
    kernels_->plasmaRow(blend_, row.a, plasmaSin_.data(), x0, x1, R, G, B);
  } else if constexpr (K == kPlasma2) {
    if (!plasma2Sin_.empty()) {
      kernels_->plasma2Row(blend_, plasma2A_[static_cast<std::size_t>(y & 3)].data() + (y >> 2),
                           plasma2Sin_.data() + 4 * static_cast<std::size_t>(y), x0, x1, R, G, B);
      return;
    }
    // Images too large for the tables: the formulas as they stand, one pixel at a time.
    for (int x = x0; x < x1; ++x) {
      const float a = static_cast<float>(
          std::fabs(std::cos((2.0 * x + direction_ + y / 2.0) / (H_ / 2.0 + W_))));
      const double sine = std::sin((2.0 * y + direction_ + x / 2.0) / (W_ / 2.0 + H_));
      kernels_->plasma2Row(blend_, &a, &sine, 0, 1, R + x, G + x, B + x);
    }
  } else if constexpr (K == kTexture) {
    for (int x = x0; x < x1; ++x) {
      const std::uint32_t px = row.textureLine[textureColumn_[static_cast<std::size_t>(x)]];
      R[x] = brightness_[(px >> 16) & 0xFF];
      G[x] = brightness_[(px >> 8) & 0xFF];
      B[x] = brightness_[px & 0xFF];
    }
  } else {
    for (int x = x0; x < x1; ++x) {
      R[x] = c1_.r;
      G[x] = c1_.g;
      B[x] = c1_.b;
    }
  }
}
