#pragma once

#include <cstdint>

#include "ButtonDesign.h"
#include "Design.h"
#include "DesignHost.h"

// The program's one pseudo-random generator, shared by the random design and the
// distortion noise. Its seed is 0 at start and never taken from the clock: the sequence
// depends only on the draws made since start. For n >= 1 returns 0..n-1; n < 1 gives 0
// without a draw.
// Inline: the distortion noise draws once per pixel.
inline std::uint32_t gRandomSeed = 0;
inline constexpr std::uint32_t kRandomMultiplier = 134775813u;
inline constexpr std::uint32_t kRandomIncrement = 1u;
inline int RandomInt(int n) {
  if (n < 1) return 0;
  gRandomSeed = gRandomSeed * kRandomMultiplier + kRandomIncrement;
  return static_cast<int>(
      (static_cast<std::uint64_t>(gRandomSeed) * static_cast<std::uint64_t>(n)) >> 32);
}

// What `draws` draws do to the seed: s -> mul s + add (mod 2^32). One draw is such an affine
// map and maps compose into maps, so the map of 2^k draws squares up from that of one and
// the map of any count is built in O(log count) steps from those of its bits.
struct SeedMap {
  std::uint32_t mul, add;
  constexpr std::uint32_t operator()(std::uint32_t seed) const { return seed * mul + add; }
};
constexpr SeedMap MapOfDraws(std::uint64_t draws) {
  SeedMap map{1, 0};
  SeedMap power{kRandomMultiplier, kRandomIncrement};  // 2^k draws
  for (; draws != 0; draws >>= 1) {
    if (draws & 1) map = {map.mul * power.mul, map.add * power.mul + power.add};
    power = {power.mul * power.mul, power.add * power.mul + power.add};
  }
  return map;
}
constexpr std::uint32_t SeedAfterDraws(std::uint32_t seed, std::uint64_t draws) {
  return MapOfDraws(draws)(seed);
}
inline std::uint32_t RandomSeed() {
  return gRandomSeed;
}
// For tests and tools; the program never reseeds.
inline void SetRandomSeed(std::uint32_t seed) {
  gRandomSeed = seed;
}

// Replaces the look of the design by a random one (19 draws, in a fixed order); captions,
// the caption slot and ReservedBlock are kept. Ends by setting LastTextIndex
// (SetLastTextIndex) and synchronising the controls; does not render.
void MakeRandomDesign(ButtonDesign& design, CaptionFont& font, DesignHost& host);
// The same look, the same draws, for a whole design: captions, the current caption and the
// set choices are kept, the texture path emptied.
void MakeRandomDesign(Design& design, DesignHost& host);
