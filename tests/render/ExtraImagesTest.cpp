#include <gtest/gtest.h>

#include "ButtonRenderer.h"
#include "CaptionText.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"
#include "PixelRules.h"
#include "RandomDesign.h"
#include "ReferenceRenderer.h"

namespace {

struct Case {
  const char* what;
  int shape, fill, outline, antialias, width, height, distortion;
  const char* caption;
};

// The transparent and 2x images of the renderer against the plain reference: its pixel pass,
// the platform's caption on top, its own coverage and the plain block sums of the rules.
TEST(ExtraImages, MatchThePlainPerPixelRules) {
  const Case cases[] = {
      {"rectangle, outline 1", kRectangle, kGradient, 1, 1, 60, 20, 0, "Hi"},
      {"ellipse, outline 0", kEllipse, kPlasma, 0, 1, 70, 24, 0, "Home"},
      {"hexagon, outline 3", kHexagon, kPlasma2, 3, 1, 50, 21, 0, "Go"},
      {"octagon with noise", kOctagon, kGradient, 1, 1, 40, 18, 40, ""},
      {"rounded edges without antialiasing", kRoundedEdges, kGradient, 1, 0, 60, 20, 0, "Hi"},
      {"rectangle, outline 3, without antialiasing", kRectangle, kSingleColour, 3, 0, 30, 9, 0,
       "x"},
      // Wider than the ellipse: the glyphs in the corners lie over the page.
      {"caption over the background", kEllipse, kGradient, 1, 1, 30, 12, 0, "Much wider text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ButtonDesign d = WorkedExample();
    d.ShapeKind = static_cast<std::uint8_t>(c.shape);
    d.FillKind = static_cast<std::uint8_t>(c.fill);
    d.OutlineSize = c.outline;
    d.Antialias = static_cast<std::uint8_t>(c.antialias);
    d.ButtonWidth = c.width;
    d.ButtonHeight = c.height;
    d.Distortion = static_cast<std::uint8_t>(c.distortion);
    d.TextColour = MakeColour(250, 240, 0);
    d.BackColour = MakeColour(0, 128, 255);
    d.CaptionSlots[0].setBytes(c.caption);
    const CaptionFont font;

    ImageRenderHost host;
    ButtonRenderer renderer(host);
    renderer.setExtraImages(kOpaque2x | kTransparent | kTransparent2x);
    SetRandomSeed(7);
    renderer.RenderButton(d, font, CurrentSlotCaption(d));
    const ButtonExtras& got = renderer.extraImages();

    // The working image: with antialiasing, the same design at four times every length.
    const int k = c.antialias ? 4 : 1;
    const ButtonDesign work = c.antialias ? PreReductionOf(d) : d;
    const ButtonGeometry g = ComputeGeometry(work, ScaleLengths(work), CaptionExtent{});
    const int W = int(g.W), H = int(g.H);
    SetRandomSeed(7);
    QImage plain = ReferencePixelPass(work, W, H, double(g.W0), double(g.H0), QImage());
    const QFont captionFont = CaptionQFont(font, k);
    DrawCaption(plain, captionFont, c.caption, d.TextColour, 0, 0);
    const QImage glyphs = CaptionCoverage(W, H, captionFont, c.caption, 0, 0);
    const std::vector<std::uint8_t> coverage = ReferenceCoverage(work, W, H);
    const QRgb text = PixelOf(d.TextColour);

    const QImage oneX = ReferenceReduction(plain, &coverage, glyphs, text, k, W / k, H / k);
    EXPECT_EQ(got.transparent, oneX);
    if (c.antialias) {
      // The 2x image covers the whole 4 x 4 blocks only, and lines up with the 1x image.
      const int w2 = W / 4 * 2, h2 = H / 4 * 2;
      EXPECT_EQ(got.transparent2x, ReferenceReduction(plain, &coverage, glyphs, text, 2, w2, h2));
      EXPECT_EQ(got.opaque2x, ReferenceReduction(plain, nullptr, QImage(), 0, 2, w2, h2));
    } else {
      ASSERT_EQ(got.transparent2x.size(), oneX.size() * 2);
      for (int y = 0; y < got.transparent2x.height(); ++y) {
        for (int x = 0; x < got.transparent2x.width(); ++x) {
          ASSERT_EQ(got.transparent2x.pixel(x, y), oneX.pixel(x / 2, y / 2));
          ASSERT_EQ(got.opaque2x.pixel(x, y), host.image.pixel(x / 2, y / 2));
        }
      }
    }
    // A fully covered pixel is the opaque one, which mixed no page colour in.
    int full = 0;
    for (int y = 0; y < oneX.height(); ++y) {
      for (int x = 0; x < oneX.width(); ++x) {
        if (qAlpha(oneX.pixel(x, y)) != 255) continue;
        ++full;
        ASSERT_EQ(oneX.pixel(x, y), host.image.pixel(x, y)) << x << "," << y;
      }
    }
    EXPECT_GT(full, 0);
  }
}

TEST(ExtraImages, AreMadeOnlyWhenAskedForAndDrawNothingFromTheGenerator) {
  ButtonDesign d = WorkedExample();
  d.Distortion = 50;
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  SetRandomSeed(3);
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  EXPECT_TRUE(renderer.extraImages().transparent.isNull());
  const std::uint32_t plainSeed = RandomSeed();
  const QImage plainImage = host.image;

  renderer.setExtraImages(kOpaque2x | kTransparent | kTransparent2x);
  SetRandomSeed(3);
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  EXPECT_EQ(RandomSeed(), plainSeed);
  EXPECT_EQ(host.image, plainImage) << "the button itself is the same";
  EXPECT_EQ(renderer.extraImages().transparent2x.size(), QSize(240, 60));

  d.OutlineSize = 100000;  // refused: no stale images from the render before
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  EXPECT_TRUE(renderer.extraImages().transparent.isNull());
  EXPECT_TRUE(renderer.extraImages().opaque2x.isNull());
}

}  // namespace
