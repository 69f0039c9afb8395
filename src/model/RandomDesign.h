#pragma once

#include <cstdint>

#include "ButtonDesign.h"
#include "DesignHost.h"

// The program's one pseudo-random generator, shared by the random design and the
// distortion noise. Its seed is 0 at start and never taken from the clock: the sequence
// depends only on the draws made since start. For n >= 1 returns 0..n-1; n < 1 gives 0
// without a draw.
// Inline: the distortion noise draws once per pixel.
inline std::uint32_t gRandomSeed = 0;
inline int RandomInt(int n) {
  if (n < 1) return 0;
  gRandomSeed = gRandomSeed * 134775813u + 1u;
  return static_cast<int>(
      (static_cast<std::uint64_t>(gRandomSeed) * static_cast<std::uint64_t>(n)) >> 32);
}
inline std::uint32_t RandomSeed() {
  return gRandomSeed;
}
// For tests and tools; the program never reseeds.
inline void SetRandomSeed(std::uint32_t seed) {
  gRandomSeed = seed;
}

// Replaces the look of the design by a random one (19 draws, in a fixed order); captions,
// the caption slot and ReservedBlock are kept. Ends by synchronising the controls; does
// not render.
void MakeRandomDesign(ButtonDesign& design, CaptionFont& font, DesignHost& host);
