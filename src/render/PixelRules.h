#pragma once

#include <cmath>
#include <cstdint>

#include "Colour.h"
#include "KernelVariant.h"

// The rules of one pixel, each once: the span kernels, the coverage of the transparent
// images and the tests' reference renderer apply them element by element. Channel values
// are 32-bit floats; products and sums are formed in double and rounded to float only where
// a value is held. Written without branches where the kernels need them to vectorise, and
// in the kernel build's own namespace (KernelVariant.h).

struct Channels {
  float r, g, b;
};

// The bevel of one render: `b` is its width for the comparisons, clamped to 0 .. 2^31 - 1,
// which decides them as the full width would (distances within an image are smaller);
// `width` is the full width, the divisor.
struct BevelRamp {
  int b;
  double width;
  double hr, hg, hb;  // highlight
  double sr, sg, sb;  // shadow
};

inline namespace TESSARO_KERNEL_VARIANT {

// Round to the nearest integer, halves to the even integer: the same result as
// std::nearbyint in the default rounding mode, without the library call. Adding 2^52 to a
// smaller magnitude leaves no fraction bits, so the addition itself rounds, halves to even.
inline double RoundHalfEven(double v) {
  const double a = std::fabs(v);
  if (!(a < 0x1p52)) return v;  // already an integer, or NaN
  return std::copysign((a + 0x1p52) - 0x1p52, v);
}

// The same for values known to be far below 2^52 (plasma blends of channel values):
// without the range test the loops that use it can be vectorised.
inline double RoundHalfEvenSmall(double v) {
  return std::copysign((std::fabs(v) + 0x1p52) - 0x1p52, v);
}

inline Channels ChannelsOf(Colour c) {
  const Colour rgb = ResolveColour(c);
  return {static_cast<float>(RedOf(rgb)), static_cast<float>(GreenOf(rgb)),
          static_cast<float>(BlueOf(rgb))};
}

// The border test: a pixel whose distance to some edge is below the outline width o gets
// no fill, noise or bevel. Distances below 0 lie beyond that edge.
template <typename D, typename O>
inline bool IsBorder(D dL, D dR, D dT, D dB, O o) {
  return (dL < o) | (dR < o) | (dT < o) | (dB < o);
}

// The outline rule for a border pixel: the outline colour strictly inside all four edges,
// else the page colour, so the outline band keeps a one-pixel rim of page around it.
template <typename D>
inline bool OnOutline(D dL, D dR, D dT, D dB) {
  return (dL > 0) & (dR > 0) & (dT > 0) & (dB > 0);
}
template <typename D>
inline std::uint32_t BorderPixel(D dL, D dR, D dT, D dB, std::uint32_t outline,
                                 std::uint32_t page) {
  return OnOutline(dL, dR, dT, dB) ? outline : page;
}

inline BevelRamp BevelRampOf(long long b, const Channels& highlight, const Channels& shadow) {
  const long long ordered = b < 0 ? 0 : b > 0x7FFFFFFF ? 0x7FFFFFFF : b;
  return {static_cast<int>(ordered),
          static_cast<double>(b),
          highlight.r,
          highlight.g,
          highlight.b,
          shadow.r,
          shadow.g,
          shadow.b};
}

// The bevel of an inside pixel, from its distances reduced by the outline width (0 or
// more): a ramp over b pixels from the highlight on the top and left edges and from the
// shadow on the bottom and right edges. The two ramps add, so they cancel along the mitre
// of the two mixed corners. A width of 0 or less shades nothing: no reduced distance lies
// below it.
template <typename D>
inline Channels BevelShade(const BevelRamp& k, D dL, D dR, D dT, D dB, Channels c) {
  // dB < b || dR < b is min(dB, dR) < b.
  const D toShadow = dB < dR ? dB : dR;
  const D toHighlight = dL < dT ? dL : dT;
  const double sh = toShadow < k.b ? static_cast<double>(toShadow) / k.width - 1 : 0.0;
  const double hi = toHighlight < k.b ? 1 - static_cast<double>(toHighlight) / k.width : 0.0;
  const auto f = static_cast<float>(sh + hi);
  const bool up = f > 0;
  const float magnitude = up ? f : -f;
  const double w = magnitude > 1.0f ? 1.0f : magnitude;
  const Channels shaded{static_cast<float>((up ? k.hr : k.sr) * w + (1 - w) * c.r),
                        static_cast<float>((up ? k.hg : k.sg) * w + (1 - w) * c.g),
                        static_cast<float>((up ? k.hb : k.sb) * w + (1 - w) * c.b)};
  // f == 0 leaves the pixel as it is.
  return {f == 0.0f ? c.r : shaded.r, f == 0.0f ? c.g : shaded.g, f == 0.0f ? c.b : shaded.b};
}

// The distortion noise of the draw r (0 .. Distortion - 1): with t = r / 100 held as a
// float, a channel v becomes Round(S x t) + v x (1 - t), S that channel of SurfaceColour.
// The first term and 1 - t depend on the draw alone.
inline float NoiseShare(int r) {
  return static_cast<float>(r / 100.0);
}
inline double NoiseAdd(float surface, float t) {
  return RoundHalfEven(surface * double{t});
}
inline double NoiseKeep(float t) {
  return 1 - double{t};
}
inline float Noise(double add, double keep, float v) {
  return static_cast<float>(add + double{v} * keep);
}

// A channel's byte: clamped to 0..255 and rounded, halves to even (2^23 plays the part 2^52
// plays above). A NaN (a gradient whose normaliser is 0) counts as 0.
inline std::uint32_t ChannelByte(float v) {
  v = v > 0.0f ? v : 0.0f;  // also turns a NaN into 0
  v = v < 255.0f ? v : 255.0f;
  return static_cast<std::uint32_t>(static_cast<std::int32_t>((v + 0x1p23f) - 0x1p23f));
}

// A pixel of WorkBitmap from its channel bytes: 0xAARRGGBB with the alpha byte 0xFF, which
// Qt's RGB32 format requires; it plays no part in any colour.
inline std::uint32_t PixelFromBytes(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return 0xFF000000u | red << 16 | green << 8 | blue;
}

inline std::uint32_t PackPixel(float r, float g, float b) {
  return PixelFromBytes(ChannelByte(r), ChannelByte(g), ChannelByte(b));
}

inline std::uint32_t PixelOf(Colour c) {
  const Channels channels = ChannelsOf(c);
  return PackPixel(channels.r, channels.g, channels.b);
}

}  // namespace TESSARO_KERNEL_VARIANT
