#include <gtest/gtest.h>

#include "ButtonRenderer.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"
#include "PixelRules.h"
#include "RgbAt.h"

namespace {

QImage render(const ButtonDesign& d) {
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  return host.image;
}

ButtonDesign withoutCaption(ButtonDesign d) {
  d.CaptionSlots[0].length = 0;
  return d;
}

TEST(BevelOutline, WorkedPixelsBeforeReduction) {
  // 480 x 120 scaled image, outline 4, bevel 12, gradient at 0 degrees.
  const QImage image = render(withoutCaption(PreReductionOf(WorkedExample())));
  ASSERT_EQ(image.size(), QSize(480, 120));
  EXPECT_EQ(RgbAt(image, 4, 60), (Rgb{255, 255, 255}));
  EXPECT_EQ(RgbAt(image, 10, 60), (Rgb{195, 216, 196}));
  EXPECT_EQ(RgbAt(image, 470, 60), (Rgb{8, 49, 33}));
  EXPECT_EQ(RgbAt(image, 475, 60), (Rgb{0, 0, 0}));
  EXPECT_EQ(RgbAt(image, 0, 60), (Rgb{255, 255, 255}));  // background rim
  EXPECT_EQ(RgbAt(image, 2, 60), (Rgb{0, 0, 0}));        // outline band
}

TEST(BevelOutline, DefaultRingsWithoutSupersampling) {
  ButtonDesign d = withoutCaption(WorkedExample());
  d.Antialias = 0;
  d.Colour1 = MakeColour(100, 100, 100);
  d.FillKind = kSingleColour;
  d.OutlineColour = MakeColour(1, 2, 3);
  const QImage image = render(d);
  const int W = image.width(), H = image.height();
  ASSERT_EQ(image.size(), QSize(120, 30));
  const Rgb white{255, 255, 255}, black{0, 0, 0}, surface{100, 100, 100};
  for (int x = 0; x < W; ++x) {
    EXPECT_EQ(RgbAt(image, x, 0), white);
    EXPECT_EQ(RgbAt(image, x, H - 1), white);
  }
  for (int y = 0; y < H; ++y) {
    EXPECT_EQ(RgbAt(image, 0, y), white);
    EXPECT_EQ(RgbAt(image, W - 1, y), white);
  }
  // Next ring: highlight top and left, shadow bottom and right, the two mixed corners
  // unshaded on their mitre.
  EXPECT_EQ(RgbAt(image, 10, 1), white);
  EXPECT_EQ(RgbAt(image, 1, 10), white);
  EXPECT_EQ(RgbAt(image, 10, H - 2), black);
  EXPECT_EQ(RgbAt(image, W - 2, 10), black);
  EXPECT_EQ(RgbAt(image, W - 2, 1), surface);
  EXPECT_EQ(RgbAt(image, 1, H - 2), surface);
  // An outline of 1 has an empty band: its rim alone replaces the outermost pixels.
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      ASSERT_FALSE(RgbAt(image, x, y) == (Rgb{1, 2, 3})) << x << "," << y;
}

TEST(BevelOutline, CornersAndRampWithoutOutline) {
  ButtonDesign d = withoutCaption(WorkedExample());
  d.Antialias = 0;
  d.OutlineSize = 0;
  d.FillKind = kSingleColour;
  d.Colour1 = MakeColour(30, 60, 90);
  const QImage image = render(d);
  const int W = image.width(), H = image.height();
  EXPECT_EQ(RgbAt(image, 0, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(RgbAt(image, W - 1, H - 1), (Rgb{0, 0, 0}));
  EXPECT_EQ(RgbAt(image, 0, H - 1), (Rgb{30, 60, 90}));
  EXPECT_EQ(RgbAt(image, W - 1, 0), (Rgb{30, 60, 90}));
  EXPECT_EQ(RgbAt(image, 1, 0), (Rgb{255, 255, 255}));
  // dL = 1 with the other distances at least 3: two thirds of the highlight.
  EXPECT_EQ(RgbAt(image, 1, 10), (Rgb{180, 190, 200}));
}

TEST(BevelOutline, ShadingRules) {
  const Channels surface{100, 100, 100}, white{255, 255, 255}, black{0, 0, 0};
  struct Case {
    const char* what;
    long long dL, dR, dT, dB, b;
    float highlight;  // the share of the highlight, negative for the shadow's
  };
  const Case cases[] = {
      {"no bevel at a size of 0", 0, 0, 0, 0, 0, 0.0f},
      {"nor below", 0, 0, 0, 0, -5, 0.0f},
      {"8 high with a 12-pixel bevel: both terms", 20, 20, 2, 5, 12, 0.25f},
      {"bottom-left corner on the mitre", 3, 50, 50, 3, 12, 0.0f},
      {"bottom-left corner nearer the left edge", 2, 50, 50, 5, 12, 0.25f},
      {"bottom-left corner nearer the bottom edge", 5, 50, 50, 2, 12, -0.25f},
      {"top-left corner follows the nearer edge", 4, 50, 3, 50, 12, 0.75f},
      {"clear of the bevel", 12, 12, 12, 12, 12, 0.0f},
      {"on the right edge", 50, 0, 50, 50, 3, -1.0f},
  };
  for (const Case& c : cases) {
    const Channels shaded =
        BevelShade(BevelRampOf(c.b, white, black), c.dL, c.dR, c.dT, c.dB, surface);
    const float w = c.highlight;
    const float expected = w >= 0 ? 255 * w + (1 - w) * 100 : (1 + w) * 100;
    EXPECT_FLOAT_EQ(shaded.r, expected) << c.what;
    EXPECT_FLOAT_EQ(shaded.g, expected) << c.what;
    EXPECT_FLOAT_EQ(shaded.b, expected) << c.what;
  }
}

TEST(BevelOutline, BorderTestAndOutlineRule) {
  struct Case {
    long long dL, dR, dT, dB, o;
    bool border;
    std::uint32_t pixel;  // of a border pixel: outline 7 or page 9
  };
  const Case cases[] = {
      {1, 1, 1, 1, 4, true, 7},  {0, 1, 1, 1, 4, true, 9}, {5, 5, -3, 5, 4, true, 9},
      {4, 4, 4, 4, 4, false, 7}, {4, 9, 3, 9, 4, true, 7}, {0, 0, 0, 0, 0, false, 9},
      {-1, 5, 5, 5, 0, true, 9}, {9, 9, 9, 1, 2, true, 7}, {2, 2, 2, 2, -3, false, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsBorder(c.dL, c.dR, c.dT, c.dB, c.o), c.border)
        << c.dL << " " << c.dR << " " << c.dT << " " << c.dB << " " << c.o;
    EXPECT_EQ(BorderPixel(c.dL, c.dR, c.dT, c.dB, 7u, 9u), c.pixel)
        << c.dL << " " << c.dR << " " << c.dT << " " << c.dB;
  }
}

TEST(BevelOutline, OutlineTwoWithoutSupersampling) {
  ButtonDesign d = withoutCaption(WorkedExample());
  d.Antialias = 0;
  d.OutlineSize = 2;
  d.BevelSize = 0;
  d.FillKind = kSingleColour;
  d.OutlineColour = MakeColour(200, 0, 0);
  d.Colour1 = MakeColour(0, 0, 200);
  const QImage image = render(d);
  EXPECT_EQ(RgbAt(image, 0, 15), (Rgb{255, 255, 255}));
  EXPECT_EQ(RgbAt(image, 1, 15), (Rgb{200, 0, 0}));
  EXPECT_EQ(RgbAt(image, 2, 15), (Rgb{0, 0, 200}));
}

}  // namespace
