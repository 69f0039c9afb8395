#include "SurfaceFill.h"

#include <algorithm>

namespace {
// Tables indexed by 4x + y pay off, and stay small, for images of ordinary size.
constexpr int kMaxTabledSide = 8192;
}  // namespace

GradientTerms GradientTermsOf(int direction, int W, int H) {
  const double theta = direction * 3.14 / 180;
  const auto s = static_cast<float>(std::sin(theta));
  const auto c = static_cast<float>(std::cos(theta));
  return {s, c, static_cast<float>(W * double{c} + H * double{s})};
}

void SurfaceFill::FillSetup(const ButtonDesign& d, int W, int H, double W0, double H0,
                            const QImage& texture, const PixelKernels& kernels) {
  kernels_ = &kernels;
  W_ = W;
  H_ = H;
  W0_ = W0;
  H0_ = H0;
  direction_ = d.FillDirection;
  const GradientTerms gradient = GradientTermsOf(d.FillDirection, W, H);
  s_ = gradient.s;
  c_ = gradient.c;
  N_ = gradient.N;
  c1_ = ChannelsOf(d.Colour1);
  c2_ = ChannelsOf(d.Colour2);
  p_ = ChannelsOf(d.PlasmaColour);
  blend_ = {c1_.r, c1_.g, c1_.b, c2_.r, c2_.g, c2_.b, p_.r, p_.g, p_.b};

  texture_ = QImage();
  texW_ = texH_ = 0;
  kind_ = d.FillKind <= kTexture ? int{d.FillKind} : int{kSingleColour};
  if (kind_ == kTexture) {
    if (!d.TextureFile.isEmpty() && !texture.isNull()) {
      texture_ = texture.format() == QImage::Format_RGB32
                     ? texture
                     : texture.convertToFormat(QImage::Format_RGB32);
      texW_ = texture_.width();
      texH_ = texture_.height();
    }
    if (texW_ <= 0 || texH_ <= 0) kind_ = kSingleColour;
  }

  distortion_ = d.Distortion;
  const auto draws = static_cast<std::size_t>(std::max(distortion_, 0));
  noiseR_.resize(draws);
  noiseG_.resize(draws);
  noiseB_.resize(draws);
  noiseKeep_.resize(draws);
  if (distortion_ > 0) {
    const Channels s = ChannelsOf(d.SurfaceColour);
    for (std::size_t r = 0; r < draws; ++r) {
      const float t = NoiseShare(static_cast<int>(r));
      noiseR_[r] = NoiseAdd(s.r, t);
      noiseG_[r] = NoiseAdd(s.g, t);
      noiseB_[r] = NoiseAdd(s.b, t);
      noiseKeep_[r] = NoiseKeep(t);
    }
  }

  xc_.clear();
  wc_.clear();
  columnR_.clear();
  columnG_.clear();
  columnB_.clear();
  plasmaSin_.clear();
  for (auto& table : plasma2A_)
    table.clear();
  plasma2Sin_.clear();
  textureColumn_.clear();
  switch (kind_) {
    case kGradient:
      xc_.resize(static_cast<std::size_t>(W));
      wc_.resize(static_cast<std::size_t>(W));
      for (int x = 0; x < W; ++x) {
        xc_[static_cast<std::size_t>(x)] = x * double{c_};
        wc_[static_cast<std::size_t>(x)] = (W0 - x) * double{c_};
      }
      if (s_ == 0.0f) {
        // y * s and (H0 - y) * s are zeros, which leave every sum unchanged: row 0 holds
        // every row's values.
        std::vector<float> r(static_cast<std::size_t>(W)), g(r.size()), b(r.size());
        fillSpan<kGradient>(Row{}, 0, 0, W, r.data(), g.data(), b.data());
        columnR_ = std::move(r);
        columnG_ = std::move(g);
        columnB_ = std::move(b);
      }
      break;
    case kPlasma:
      plasmaSin_.resize(static_cast<std::size_t>(W));
      for (int x = 0; x < W; ++x) {
        plasmaSin_[static_cast<std::size_t>(x)] =
            std::sin((static_cast<double>(direction_) + x) / W);
      }
      break;
    case kPlasma2:
      if (W <= kMaxTabledSide && H <= kMaxTabledSide) {
        // (2x + D + y/2) is exactly (4x + y)/2 + D in double, and likewise for the sine.
        // Table j holds a for m = 4q + j at q, so row y reads table y mod 4 from y div 4.
        const double aDivisor = H / 2.0 + W;
        const double bDivisor = W / 2.0 + H;
        const int count = 4 * (W - 1) + H;
        for (int j = 0; j < 4; ++j) {
          auto& table = plasma2A_[static_cast<std::size_t>(j)];
          table.resize(static_cast<std::size_t>(std::max(0, (count - j + 3) / 4)));
          for (std::size_t q = 0; q < table.size(); ++q) {
            const double m = 4.0 * static_cast<double>(q) + j;
            table[q] = static_cast<float>(std::fabs(std::cos((m / 2.0 + direction_) / aDivisor)));
          }
        }
        plasma2Sin_.resize(static_cast<std::size_t>(4 * (H - 1) + W));
        for (std::size_t m = 0; m < plasma2Sin_.size(); ++m) {
          plasma2Sin_[m] = std::sin((m / 2.0 + direction_) / bDivisor);
        }
      }
      break;
    case kTexture: {
      stretch_ = d.TextureStretch != 0;
      textureColumn_.resize(static_cast<std::size_t>(W));
      for (int x = 0; x < W; ++x) {
        const long long column = stretch_ ? static_cast<long long>(x) * texW_ / W : (x / 4) % texW_;
        textureColumn_[static_cast<std::size_t>(x)] = static_cast<std::int32_t>(column);
      }
      const int v = d.TextureBrightness;
      for (int value = 0; value < 256; ++value) {
        brightness_[static_cast<std::size_t>(value)] =
            v < 50 ? static_cast<float>(double{1.0 * value * v} / 50)
                   : static_cast<float>(double{1.0 * value * (100 - v)} / 50 + (v - 50) * 5.12);
      }
      break;
    }
    default:
      break;
  }
}

SurfaceFill::Row SurfaceFill::rowOf(int y) const {
  Row row;
  if (kind_ == kPlasma) {
    row.a = static_cast<float>(std::fabs(std::sin((static_cast<double>(direction_) + y) / H_)));
  } else if (kind_ == kTexture) {
    row.textureLine = TextureRow(y);
  }
  return row;
}

const std::uint32_t* SurfaceFill::TextureRow(int y) const {
  long long row = 0;
  if (stretch_) {
    // Round(y * texH / H) reaches texH on the last rows of a short texture: hold it there.
    row = static_cast<long long>(RoundHalfEven(double{1.0 * y * texH_} / H_));
    row = std::min<long long>(row, texH_ - 1);
  } else {
    row = (y / 4) % texH_;
  }
  return reinterpret_cast<const std::uint32_t*>(texture_.constScanLine(static_cast<int>(row)));
}
