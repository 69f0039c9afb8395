#include <gtest/gtest.h>

#include "RandomDesign.h"
#include "RecordingDesignHost.h"

namespace {

TEST(RandomInt, FollowsTheLinearCongruentialSequenceFromSeedZero) {
  SetRandomSeed(0);
  // seed 1: (1 * 100) >> 32 = 0; seed 134775814: high word of 134775814 * 1000.
  EXPECT_EQ(RandomInt(100), 0);
  EXPECT_EQ(RandomSeed(), 1u);
  EXPECT_EQ(RandomInt(1000), static_cast<int>((134775814ull * 1000) >> 32));
  EXPECT_EQ(RandomSeed(), 134775814u);
  // n = 1 always gives 0 but still draws; n < 1 draws nothing.
  const std::uint32_t before = RandomSeed();
  EXPECT_EQ(RandomInt(1), 0);
  EXPECT_NE(RandomSeed(), before);
  const std::uint32_t after = RandomSeed();
  EXPECT_EQ(RandomInt(0), 0);
  EXPECT_EQ(RandomSeed(), after);
}

TEST(RandomInt, JumpAheadEqualsSingleDraws) {
  for (std::uint32_t start : {0u, 1u, 0xDEADBEEFu}) {
    SetRandomSeed(start);
    std::uint64_t drawn = 0;
    for (std::uint64_t n : {0, 1, 2, 7, 8, 9, 255, 256, 257, 1000, 65537}) {
      for (; drawn < n; ++drawn)
        RandomInt(2);
      EXPECT_EQ(SeedAfterDraws(start, n), RandomSeed()) << start << " + " << n;
    }
  }
  // The period is 2^32: a full cycle returns to the start.
  EXPECT_EQ(SeedAfterDraws(12345, std::uint64_t{1} << 32), 12345u);
}

TEST(RandomDesign, FirstRandomDesignAfterStart) {
  SetRandomSeed(0);
  ButtonDesign d{};
  CaptionFont font;
  ResetDesignFields(d, font);
  d.CaptionSlots[4].setBytes("Kept");
  d.TextIndex = 4;
  d.TextureFile.setText("/some/texture.bmp");
  d.ReservedBlock[0] = 0x5A;
  RecordingDesignHost host;
  MakeRandomDesign(d, font, host);

  EXPECT_EQ(d.ShapeKind, 0);
  EXPECT_EQ(d.SurfaceColour, 0x08DB33u);
  EXPECT_EQ(d.Distortion, 27);
  EXPECT_EQ(d.FillDirection, 30);
  EXPECT_EQ(font.size, 11);
  EXPECT_EQ(d.Colour1, 0x5E6C14u);
  EXPECT_EQ(d.Colour2, 0x7911D6u);
  EXPECT_EQ(d.BevelSize, 1);
  EXPECT_EQ(d.FillKind, 1);
  EXPECT_EQ(d.PlasmaColour, 0xE95DC5u);

  // The fixed values.
  EXPECT_EQ(d.BorderWidth, 18);
  EXPECT_EQ(d.BorderHeight, 8);
  EXPECT_EQ(d.Antialias, 1);
  EXPECT_EQ(d.TextureBrightness, 50);
  EXPECT_EQ(d.TextureStretch, 0);
  EXPECT_TRUE(d.TextureFile.isEmpty());
  EXPECT_EQ(d.AutoSize, 1);
  EXPECT_EQ(d.ButtonWidth, 100);
  EXPECT_EQ(d.ButtonHeight, 20);
  EXPECT_EQ(d.OutlineSize, 1);
  EXPECT_EQ(d.HighlightColour, 0xFFFFFFu);
  EXPECT_EQ(d.TextColour, 0xFFFFFFu);
  EXPECT_EQ(d.BackColour, 0xFFFFFFu);
  EXPECT_EQ(font.name, "Arial");
  EXPECT_FALSE(font.italic || font.underline || font.strikeout);

  // Captions, the slot and reserved bytes survive; the texture is emptied; 19 draws.
  EXPECT_EQ(d.CaptionSlots[4].bytes(), "Kept");
  EXPECT_EQ(d.TextIndex, 4);
  EXPECT_EQ(d.ReservedBlock[0], 0x5A);
  EXPECT_EQ(host.textureClears, 1);
  EXPECT_EQ(host.syncs, 1);
  EXPECT_EQ(host.renders, 0);

  std::uint32_t seed = 0;
  for (int i = 0; i < 19; ++i)
    seed = seed * 134775813u + 1u;
  EXPECT_EQ(RandomSeed(), seed);
}

TEST(RandomDesign, StyleDrawGivesBothBoldAndRegular) {
  SetRandomSeed(0);
  ButtonDesign d{};
  CaptionFont font;
  RecordingDesignHost host;
  bool sawBold = false, sawRegular = false;
  for (int i = 0; i < 50; ++i) {
    MakeRandomDesign(d, font, host);
    (font.bold ? sawBold : sawRegular) = true;
    EXPECT_GE(font.size, 8);
    EXPECT_LE(font.size, 19);
    EXPECT_LE(d.ShapeKind, 4);
    EXPECT_LE(d.FillKind, 4);
    EXPECT_GE(d.FillDirection, -90);
    EXPECT_LE(d.FillDirection, 89);
  }
  EXPECT_TRUE(sawBold && sawRegular);
}

}  // namespace
