#include <gtest/gtest.h>

#include <vector>

#include "DesignFixtures.h"
#include "RandomDesign.h"
#include "RgbAt.h"
#include "SurfaceFill.h"

namespace {

// The worked example's scaled image: W0 472, H0 112, W 480, H 120.
SurfaceFill workedFill(int fillKind, int direction = 0) {
  ButtonDesign d = WorkedExample();
  d.FillKind = static_cast<std::uint8_t>(fillKind);
  d.FillDirection = direction;
  SurfaceFill fill;
  fill.FillSetup(d, 480, 120, 472, 112, QImage());
  return fill;
}

Rgb rgb(const Channels& c) {
  return {static_cast<int>(c.r), static_cast<int>(c.g), static_cast<int>(c.b)};
}

// The fill of one pixel, through the span code of the kind K the fill paints with.
template <int K>
Channels at(const SurfaceFill& fill, int x, int y) {
  EXPECT_EQ(fill.effectiveKind(), K);
  const auto size = static_cast<std::size_t>(x) + 1;
  std::vector<float> r(size), g(size), b(size);
  fill.fillSpan<K>(fill.rowOf(y), y, x, x + 1, r.data(), g.data(), b.data());
  return {r.back(), g.back(), b.back()};
}

// The distortion noise of one pixel, drawing once from the program's generator.
Channels noised(const SurfaceFill& fill, Channels c) {
  SetRandomSeed(Kernels().noiseSpan(fill.noiseTable(), RandomSeed(), 0, 1, &c.r, &c.g, &c.b));
  return c;
}

TEST(Fills, GradientWorkedValues) {
  SurfaceFill fill = workedFill(kGradient);
  EXPECT_EQ(GradientTermsOf(0, 480, 120).N, 480.0f);
  for (int y : {4, 60, 115}) {
    // Green at column 4 is exactly 176.5 and rounds to the even 176.
    EXPECT_EQ(rgb(at<kGradient>(fill, 4, y)), (Rgb{137, 176, 137}));
    EXPECT_EQ(rgb(at<kGradient>(fill, 240, y)), (Rgb{78, 147, 108}));
    EXPECT_EQ(rgb(at<kGradient>(fill, 475, y)), (Rgb{19, 118, 78}));
  }
}

TEST(Fills, PlasmaWorkedValues) {
  SurfaceFill plasma = workedFill(kPlasma);
  EXPECT_EQ(rgb(at<kPlasma>(plasma, 240, 60)), (Rgb{45, 102, 73}));
  SurfaceFill plasma2 = workedFill(kPlasma2);
  EXPECT_EQ(rgb(at<kPlasma2>(plasma2, 240, 60)), (Rgb{48, 116, 83}));
  // At (0, 0) the plain plasma is exactly the plasma colour.
  ButtonDesign d = WorkedExample();
  d.FillKind = kPlasma;
  d.PlasmaColour = MakeColour(9, 99, 199);
  SurfaceFill fill;
  fill.FillSetup(d, 480, 120, 472, 112, QImage());
  EXPECT_EQ(rgb(at<kPlasma>(fill, 0, 0)), (Rgb{9, 99, 199}));
}

TEST(Fills, GradientDirections) {
  // 90 degrees is not quite vertical: 3.14 stands for pi.
  SurfaceFill down = workedFill(kGradient, 90);
  EXPECT_NEAR(GradientTermsOf(90, 480, 120).c, 0.000796, 1e-6);
  EXPECT_NEAR(GradientTermsOf(90, 480, 120).N, 120.0, 0.5);
  // -90 gives nearly the same picture as 90.
  SurfaceFill up = workedFill(kGradient, -90);
  for (int y : {10, 60, 110}) {
    const Channels a = at<kGradient>(down, 200, y), b = at<kGradient>(up, 200, y);
    EXPECT_NEAR(a.g, b.g, 1.0f);
  }
}

TEST(Fills, TextureTileStretchAndBrightness) {
  QImage texture(8, 4, QImage::Format_RGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x)
      texture.setPixel(x, y, qRgb(10 * x, 20 * y, 100));
  ButtonDesign d = WorkedExample();
  d.FillKind = kTexture;
  d.TextureFile.setText("t.bmp");
  SurfaceFill tile;
  tile.FillSetup(d, 480, 120, 472, 112, texture);
  ASSERT_EQ(tile.effectiveKind(), kTexture);
  // Each texture pixel covers 4 x 4 image pixels, anchored at the top-left corner.
  EXPECT_EQ(rgb(at<kTexture>(tile, 4 * 3 + 1, 4 * 2 + 3)), (Rgb{30, 40, 100}));
  EXPECT_EQ(rgb(at<kTexture>(tile, 4 * 8 * 2 + 4 * 5, 4 * 4 * 3 + 4)), (Rgb{50, 20, 100}));

  d.TextureStretch = 1;
  SurfaceFill stretch;
  stretch.FillSetup(d, 8, 4, 8, 4, texture);  // a texture of exactly W x H pixels
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(rgb(at<kTexture>(stretch, x, y)), (Rgb{10 * x, 20 * y, 100}));
  // A texture at most half as tall as the image: the last rows hold its last row.
  SurfaceFill tall;
  tall.FillSetup(d, 8, 12, 8, 12, texture);
  EXPECT_EQ(rgb(at<kTexture>(tall, 0, 11)), (Rgb{0, 60, 100}));

  struct Case {
    int brightness;
    Rgb expected;  // of the texture pixel (40, 20, 100)
  };
  for (const Case& c : {Case{0, {0, 0, 0}}, Case{50, {40, 20, 100}}, Case{75, {148, 138, 178}},
                        Case{100, {256, 256, 256}}, Case{25, {20, 10, 50}}}) {
    d.TextureBrightness = static_cast<std::uint8_t>(c.brightness);
    SurfaceFill bright;
    bright.FillSetup(d, 8, 4, 8, 4, texture);
    EXPECT_EQ(rgb(at<kTexture>(bright, 4, 1)), c.expected) << c.brightness;
  }
}

TEST(Fills, FallBackToSingleColour) {
  ButtonDesign d = WorkedExample();
  d.Colour1 = MakeColour(1, 2, 3);
  d.FillKind = kTexture;  // without a texture file
  QImage texture(4, 4, QImage::Format_RGB32);
  texture.fill(Qt::red);
  for (auto [kind, file, image] :
       {std::tuple{kTexture, "", texture}, std::tuple{kTexture, "gone.jpg", QImage()},
        std::tuple{static_cast<FillKinds>(5), "", QImage()},
        std::tuple{static_cast<FillKinds>(255), "", QImage()}}) {
    d.FillKind = kind;
    d.TextureFile.setText(file);
    SurfaceFill fill;
    fill.FillSetup(d, 40, 10, 38, 8, image);
    EXPECT_EQ(fill.effectiveKind(), kSingleColour);
    EXPECT_EQ(rgb(at<kSingleColour>(fill, 5, 5)), (Rgb{1, 2, 3}));
  }
}

// The seed after which RandomInt(100) gives r.
std::uint32_t seedBefore(int r) {
  std::uint32_t inverse = 134775813u;  // Newton's iteration for the inverse modulo 2^32
  for (int i = 0; i < 5; ++i)
    inverse *= 2u - 134775813u * inverse;
  const auto next = static_cast<std::uint32_t>(((std::uint64_t{1} << 32) * r + 99) / 100);
  return (next - 1u) * inverse;
}

TEST(Fills, DistortionNoise) {
  ButtonDesign d = WorkedExample();
  d.FillKind = kSingleColour;
  d.Colour1 = MakeColour(0, 100, 255);
  d.SurfaceColour = MakeColour(5, 0, 0);
  d.Distortion = 100;
  SurfaceFill fill;
  fill.FillSetup(d, 40, 10, 38, 8, QImage());

  // r = 10 gives t = 0.1f, and 5 x 0.1f is a hair above 0.5: it rounds to 1, not 0.
  SetRandomSeed(seedBefore(10));
  const Channels mixed = noised(fill, {0, 100, 255});
  EXPECT_EQ(mixed.r, 1.0f);
  EXPECT_FLOAT_EQ(mixed.g, 90.0f);

  // r = 99: never exactly the surface colour.
  SetRandomSeed(seedBefore(99));
  EXPECT_GT(noised(fill, {0, 100, 255}).b, 2.0f);

  // Distortion 1: every draw gives 0, colours stay, but each pixel still draws once.
  d.Distortion = 1;
  fill.FillSetup(d, 40, 10, 38, 8, QImage());
  SetRandomSeed(0);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(rgb(noised(fill, {7, 8, 9})), (Rgb{7, 8, 9}));
  std::uint32_t seed = 0;
  for (int i = 0; i < 3; ++i)
    seed = seed * 134775813u + 1u;
  EXPECT_EQ(RandomSeed(), seed);
}

}  // namespace
