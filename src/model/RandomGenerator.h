#pragma once

#include <cstdint>

#include "KernelVariant.h"

// The program's one pseudo-random generator, shared by the random design and the
// distortion noise. Its seed is 0 at start and never taken from the clock: the sequence
// depends only on the draws made since start.
inline std::uint32_t gRandomSeed = 0;

// What some draws do to the seed: s -> mul s + add (mod 2^32). One draw is such an affine
// map and maps compose into maps, so the map of 2^k draws squares up from that of one and
// the map of any count is built in O(log count) steps from those of its bits.
struct SeedMap {
  std::uint32_t mul, add;
};
// The step of one draw: seed := seed x 134775813 + 1.
inline constexpr SeedMap kOneDraw{134775813u, 1u};

inline namespace TESSARO_KERNEL_VARIANT {

constexpr std::uint32_t Advance(const SeedMap& map, std::uint32_t seed) {
  return seed * map.mul + map.add;
}
// `first`, then `second`.
constexpr SeedMap Then(const SeedMap& first, const SeedMap& second) {
  return {first.mul * second.mul, first.add * second.mul + second.add};
}
// The value of a draw with n >= 1, from the seed its step leaves: 0 .. n - 1.
constexpr int DrawFrom(std::uint32_t seed, std::uint32_t n) {
  return static_cast<int>((std::uint64_t{seed} * std::uint64_t{n}) >> 32);
}

// One draw: for n >= 1 returns 0..n-1; n < 1 gives 0 without a draw.
inline int RandomInt(int n) {
  if (n < 1) return 0;
  gRandomSeed = Advance(kOneDraw, gRandomSeed);
  return DrawFrom(gRandomSeed, static_cast<std::uint32_t>(n));
}

constexpr SeedMap MapOfDraws(std::uint64_t draws) {
  SeedMap map{1, 0};
  SeedMap power = kOneDraw;  // 2^k draws
  for (; draws != 0; draws >>= 1) {
    if (draws & 1) map = Then(map, power);
    power = Then(power, power);
  }
  return map;
}
constexpr std::uint32_t SeedAfterDraws(std::uint32_t seed, std::uint64_t draws) {
  return Advance(MapOfDraws(draws), seed);
}
inline std::uint32_t RandomSeed() {
  return gRandomSeed;
}
// For tests and tools; the program never reseeds.
inline void SetRandomSeed(std::uint32_t seed) {
  gRandomSeed = seed;
}

}  // namespace TESSARO_KERNEL_VARIANT
