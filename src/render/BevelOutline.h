#pragma once

#include <algorithm>
#include <cstdint>

#include "PixelRules.h"

// A border pixel (some distance below the outline width) is background, or outline colour
// when it lies strictly inside all four edges; so the outline band keeps a one-pixel rim
// of background around it.
inline std::uint32_t OutlineRule(long long dL, long long dR, long long dT, long long dB,
                                 std::uint32_t outlinePixel, std::uint32_t backPixel) {
  return dL > 0 && dR > 0 && dT > 0 && dB > 0 ? outlinePixel : backPixel;
}

// The bevel: a ramp over b pixels from the highlight on the top and left edges and from the
// shadow on the bottom and right edges. The distances are already reduced by the outline
// width. The two ramps add, so they cancel along the mitre of the two mixed corners.
inline Channels BevelShade(Channels c, long long dL, long long dR, long long dT, long long dB,
                           long long b, const Channels& highlight, const Channels& shadow) {
  if (b <= 0) return c;
  double sh = 0;
  double hi = 0;
  if (dB < b || dR < b) sh = static_cast<double>(std::min(dB, dR)) / static_cast<double>(b) - 1;
  if (dL < b || dT < b) hi = 1 - static_cast<double>(std::min(dL, dT)) / static_cast<double>(b);
  const float f = static_cast<float>(sh + hi);
  if (f == 0.0f) return c;
  const Channels& toward = f > 0 ? highlight : shadow;
  const float w = std::min(f > 0 ? f : -f, 1.0f);
  return {static_cast<float>(toward.r * double{w} + (1 - double{w}) * c.r),
          static_cast<float>(toward.g * double{w} + (1 - double{w}) * c.g),
          static_cast<float>(toward.b * double{w} + (1 - double{w}) * c.b)};
}
