#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <random>

#include "PixelKernels.h"
#include "PixelRules.h"

namespace {

TEST(PixelRules, RoundHalfEvenAgreesWithNearbyint) {
  ASSERT_EQ(std::fegetround(), FE_TONEAREST);
  std::vector<double> values = {0.5,
                                1.5,
                                2.5,
                                -0.5,
                                -1.5,
                                -2.5,
                                0.49999999999999994,
                                176.5,
                                177.5,
                                -176.5,
                                1e15 + 0.5,
                                0x1p52 - 0.5,
                                0x1p52,
                                0x1p53,
                                1e300,
                                -1e300,
                                0.0,
                                -0.0,
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity()};
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> small(-600.0, 600.0);
  for (int i = 0; i < 200000; ++i)
    values.push_back(small(rng));
  for (int i = -1000; i <= 1000; ++i)
    values.push_back(i / 2.0);  // every half
  for (double v : values) {
    const double expected = std::nearbyint(v);
    EXPECT_EQ(std::signbit(RoundHalfEven(v)), std::signbit(expected)) << v;
    ASSERT_EQ(RoundHalfEven(v), expected) << v;
    if (std::fabs(v) < 1e15) {
      ASSERT_EQ(RoundHalfEvenSmall(v), expected) << v;
    }
  }
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
}

TEST(PixelRules, PackedChannelsAreClampedAndRoundedHalvesToEven) {
  std::vector<float> R, G, B;
  for (int i = -100; i <= 2 * 300; ++i) {  // -50 .. 300 in halves
    R.push_back(i / 2.0f);
    G.push_back(255.0f - i / 2.0f);
    B.push_back(i / 2.0f + 0.25f);
  }
  for (float special : {std::nanf(""), std::numeric_limits<float>::infinity(),
                        -std::numeric_limits<float>::infinity(), 1e30f, -1e30f}) {
    R.push_back(special), G.push_back(special), B.push_back(special);
  }
  std::vector<std::uint32_t> packed(R.size());
  Kernels().packPixels(R.data(), G.data(), B.data(), packed.data(), 0, static_cast<int>(R.size()));
  auto expected = [](float v) -> std::uint32_t {
    if (std::isnan(v) || v <= 0) return 0;
    if (v >= 255) return 255;
    return static_cast<std::uint32_t>(std::nearbyint(v));
  };
  for (std::size_t i = 0; i < R.size(); ++i) {
    const std::uint32_t want =
        0xFF000000u | expected(R[i]) << 16 | expected(G[i]) << 8 | expected(B[i]);
    ASSERT_EQ(packed[i], want) << R[i];
    ASSERT_EQ(PackPixel(R[i], G[i], B[i]), want) << R[i];
  }
}

}  // namespace
