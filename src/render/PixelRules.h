#pragma once

#include <cmath>
#include <cstdint>

#include "Colour.h"

// Arithmetic shared by the render passes. Channel values are 32-bit floats; products and
// sums are formed in double and rounded to float only where a value is held.

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

struct Channels {
  float r, g, b;
};

inline Channels ChannelsOf(Colour c) {
  const Colour rgb = ResolveColour(c);
  return {static_cast<float>(RedOf(rgb)), static_cast<float>(GreenOf(rgb)),
          static_cast<float>(BlueOf(rgb))};
}

// Clamps to 0..255 and rounds, halves to even (2^23 plays the part 2^52 plays above). A
// NaN (a gradient whose normaliser is 0) counts as 0.
inline std::uint32_t ChannelByte(float v) {
  if (!(v > 0.0f)) return 0;
  if (v > 255.0f) return 255;
  return static_cast<std::uint32_t>((v + 0x1p23f) - 0x1p23f);
}

// A pixel of WorkBitmap: 0xAARRGGBB with the alpha byte 0xFF, which Qt's RGB32 format
// requires; it plays no part in any colour.
inline std::uint32_t PackPixel(const Channels& c) {
  return 0xFF000000u | ChannelByte(c.r) << 16 | ChannelByte(c.g) << 8 | ChannelByte(c.b);
}

inline std::uint32_t PixelOf(Colour c) {
  return PackPixel(ChannelsOf(c));
}
