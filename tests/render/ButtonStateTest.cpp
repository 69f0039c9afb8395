#include <gtest/gtest.h>

#include "ButtonState.h"
#include "DesignFixtures.h"

namespace {

struct Rgb3 {
  int r, g, b;
};
Colour C(Rgb3 c) {
  return MakeColour(c.r, c.g, c.b);
}

// Each state's rule on the default design (Colour1 20/120/80, Colour2 140/180/140, white
// page), with values where Round meets a half.
TEST(ButtonState, TransformsTheDesignByItsRule) {
  ButtonDesign normal = DefaultDesign();
  normal.PlasmaColour = C({254, 252, 0});
  normal.SurfaceColour = C({0, 0, 0});
  normal.TextOffsetX = 3;
  normal.TextOffsetY = -2;
  normal.TextureBrightness = 95;

  struct Row {
    ButtonState state;
    StateOptions options;
    Colour colour1, colour2, plasma, surface, text, outline, highlight, shadow;
    int offsetX, offsetY, brightness;
  } rows[] = {
      {ButtonState::Normal,
       {},
       C({20, 120, 80}),
       C({140, 180, 140}),
       C({254, 252, 0}),
       C({0, 0, 0}),
       C({255, 255, 255}),
       C({0, 0, 0}),
       C({255, 255, 255}),
       C({0, 0, 0}),
       3,
       -2,
       95},
      // 20 + Round(235 x 25 / 100 = 58.75); the brightness stops at 100.
      {ButtonState::Hover,
       {25, 1},
       C({79, 154, 124}),
       C({169, 199, 169}),
       C({254, 253, 64}),
       C({64, 64, 64}),
       C({255, 255, 255}),
       C({0, 0, 0}),
       C({255, 255, 255}),
       C({0, 0, 0}),
       3,
       -2,
       100},
      // 254 + Round(0.5) stays 254, 252 + Round(1.5) is 254.
      {ButtonState::Hover,
       {50, 1},
       C({138, 188, 168}),
       C({198, 218, 198}),
       C({254, 254, 128}),
       C({128, 128, 128}),
       C({255, 255, 255}),
       C({0, 0, 0}),
       C({255, 255, 255}),
       C({0, 0, 0}),
       3,
       -2,
       100},
      {ButtonState::Pressed,
       {25, 4},
       C({20, 120, 80}),
       C({140, 180, 140}),
       C({254, 252, 0}),
       C({0, 0, 0}),
       C({255, 255, 255}),
       C({0, 0, 0}),
       C({0, 0, 0}),
       C({255, 255, 255}),
       7,
       2,
       95},
      // Colour1: Y = Round(85.54) = 86, (86 + 255) / 2 = 170.5 rounds to 170; black: 127.5 to
      // 128.
      {ButtonState::Disabled,
       {},
       C({170, 170, 170}),
       C({209, 209, 209}),
       C({240, 240, 240}),
       C({128, 128, 128}),
       C({255, 255, 255}),
       C({128, 128, 128}),
       C({255, 255, 255}),
       C({128, 128, 128}),
       3,
       -2,
       95},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(StateName(r.state).toStdString() + " " + std::to_string(r.options.hoverLightness));
    const ButtonDesign d = DesignForState(normal, r.state, r.options);
    EXPECT_EQ(d.Colour1, r.colour1);
    EXPECT_EQ(d.Colour2, r.colour2);
    EXPECT_EQ(d.PlasmaColour, r.plasma);
    EXPECT_EQ(d.SurfaceColour, r.surface);
    EXPECT_EQ(d.TextColour, r.text);
    EXPECT_EQ(d.OutlineColour, r.outline);
    EXPECT_EQ(d.HighlightColour, r.highlight);
    EXPECT_EQ(d.ShadowColour, r.shadow);
    EXPECT_EQ(d.TextOffsetX, r.offsetX);
    EXPECT_EQ(d.TextOffsetY, r.offsetY);
    EXPECT_EQ(d.TextureBrightness, r.brightness);
    EXPECT_EQ(d.BackColour, normal.BackColour) << "the page stays";
    EXPECT_EQ(d.CaptionSlots[0].bytes(), normal.CaptionSlots[0].bytes());
  }

  // Disabled textures grey like the colours, over a page of any colour.
  normal.BackColour = C({0, 0, 100});
  QImage texture(2, 1, QImage::Format_RGB32);
  texture.setPixel(0, 0, qRgb(20, 120, 80));
  texture.setPixel(1, 0, qRgb(255, 255, 255));
  const QImage greyed = TextureForState(texture, normal, ButtonState::Disabled);
  EXPECT_EQ(greyed.pixel(0, 0), qRgb(43, 43, 93));     // 43, 43, Round(186 / 2 = 93)
  EXPECT_EQ(greyed.pixel(1, 0), qRgb(128, 128, 178));  // 127.5 to 128, 177.5 to 178
  EXPECT_EQ(TextureForState(texture, normal, ButtonState::Hover), texture);
}

}  // namespace
