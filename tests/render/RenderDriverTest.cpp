#include <gtest/gtest.h>

#include "ButtonRenderer.h"
#include "CaptionText.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"
#include "RandomDesign.h"
#include "ReferenceRenderer.h"
#include "RgbAt.h"

namespace {

struct Rendered {
  QImage image;
  QString sizeText;
};

Rendered render(const ButtonDesign& d, const CaptionFont& font = {}) {
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.RenderButton(d, font, CurrentSlotCaption(d));
  return {host.image, host.sizeText};
}

TEST(RenderDriver, FixedSizes) {
  ButtonDesign d = WorkedExample();
  d.Antialias = 0;
  Rendered r = render(d);
  EXPECT_EQ(r.image.size(), QSize(120, 30));
  EXPECT_EQ(r.sizeText, "(100 x 20)");
  d.ShapeKind = kHexagon;
  EXPECT_EQ(render(d).image.size(), QSize(134, 30));
  d.ShapeKind = kOctagon;  // 118 + 28 div 3
  EXPECT_EQ(render(d).image.size(), QSize(129, 30));
  d.ShapeKind = kEllipse;
  EXPECT_EQ(render(d).image.size(), QSize(120, 30));
  // With supersampling the image has the button's real size.
  d = WorkedExample();
  EXPECT_EQ(render(d).image.size(), QSize(120, 30));
  EXPECT_EQ(render(d).sizeText, "(100 x 20)");
}

TEST(RenderDriver, DefaultDesignIsSizedFromItsCaption) {
  const CaptionFont font;
  const CaptionMetrics metrics(CaptionQFont(font, 4));
  const long long tw = metrics.width("Button Text");
  const long long th = metrics.height();
  const Rendered r = render(DefaultDesign(), font);
  EXPECT_EQ(r.sizeText, QStringLiteral("(%1 x %2)").arg(tw / 4).arg(th / 4));
  EXPECT_EQ(r.image.size(), QSize(static_cast<int>(tw / 4 + 20), static_cast<int>(th / 4 + 10)));
}

// Averages 4 x 4 blocks, dropping partial blocks, as the reduction must.
QImage reduced(const QImage& big) {
  QImage out(big.width() / 4, big.height() / 4, QImage::Format_RGB32);
  for (int u = 0; u < out.height(); ++u) {
    for (int v = 0; v < out.width(); ++v) {
      int r = 0, g = 0, b = 0;
      for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
          const QRgb p = big.pixel(4 * v + i, 4 * u + j);
          r += qRed(p), g += qGreen(p), b += qBlue(p);
        }
      }
      out.setPixel(v, u, qRgb(r >> 4, g >> 4, b >> 4));
    }
  }
  return out;
}

TEST(RenderDriver, SupersamplingIsTheScaledRenderReducedFourByFour) {
  CaptionFont font;
  CaptionFont scaledFont = font;
  scaledFont.size *= 4;
  for (int shape : {kRectangle, kRoundedEdges, kHexagon, kOctagon, kEllipse, kRoundedRectangle}) {
    ButtonDesign d = WorkedExample();
    d.ShapeKind = static_cast<std::uint8_t>(shape);
    d.ButtonHeight = 21;  // scaled height 116: the hexagon widens by 58, not a multiple of 4
    d.TextOffsetX = 2;
    d.FillKind = shape % 2 ? kPlasma2 : kGradient;
    d.FillDirection = 30;
    const Rendered big = render(PreReductionOf(d), scaledFont);
    const Rendered small = render(d, font);
    ASSERT_EQ(small.image.width(), big.image.width() / 4) << shape;
    EXPECT_EQ(small.image, reduced(big.image)) << "shape " << shape;
    if (shape == kHexagon) {
      EXPECT_NE(big.image.width() % 4, 0);
    }
  }
}

TEST(RenderDriver, PixelPassMatchesThePlainPerPixelFormulas) {
  struct Case {
    int shape, fill, direction, distortion, outline, bevel, width, height;
    int borderWidth = 18;
  };
  // The last case is a hexagon narrower than high: some of its rows have two runs of inside
  // pixels.
  const Case cases[] = {
      {0, 0, 0, 0, 1, 3, 100, 20},    {0, 0, 30, 0, 0, 12, 200, 47},
      {1, 0, -45, 0, 2, 3, 40, 40},   {2, 1, 0, 50, 1, 3, 150, 33},
      {3, 2, 17, 0, 4, 12, 300, 90},  {4, 2, -90, 100, 1, 5, 251, 61},
      {5, 1, 90, 0, 0, 0, 77, 13},    {6, 3, 0, 10, 3, 2, 60, 30},
      {4, 0, 45, 0, 1, 3, 1024, 256}, {1, 9, 0, 0, 1, 3, 31, 7},
      {2, 0, -60, 30, 1, 8, 3, 2},    {5, 2, 5, 0, 1, 3, 2024, 11},
      {2, 2, 10, 40, 1, 3, 3, 92, 8},
  };
  for (const Case& c : cases) {
    ButtonDesign d = WorkedExample();
    d.Antialias = 0;
    d.CaptionSlots[0].length = 0;
    d.ShapeKind = static_cast<std::uint8_t>(c.shape);
    d.FillKind = static_cast<std::uint8_t>(c.fill);
    d.FillDirection = c.direction;
    d.Distortion = static_cast<std::uint8_t>(c.distortion);
    d.OutlineSize = c.outline;
    d.BevelSize = c.bevel;
    d.ButtonWidth = c.width;
    d.ButtonHeight = c.height;
    d.BorderWidth = c.borderWidth;
    d.Colour1 = MakeColour(200, 30, 90);
    d.SurfaceColour = MakeColour(255, 255, 0);
    d.PlasmaColour = MakeColour(10, 240, 250);
    const ScaledLengths len = ScaleLengths(d);
    const ButtonGeometry g = ComputeGeometry(d, len, CaptionExtent{});
    SetRandomSeed(12345);
    const QImage fast = render(d).image;
    const std::uint32_t seedAfterFast = RandomSeed();
    SetRandomSeed(12345);
    const QImage plain =
        ReferencePixelPass(d, int(g.W), int(g.H), double(g.W0), double(g.H0), QImage());
    ASSERT_EQ(fast.size(), plain.size());
    EXPECT_EQ(fast, plain) << "shape " << c.shape << " fill " << c.fill << " direction "
                           << c.direction;
    // The noise draws in bulk; the generator must end where drawing pixel by pixel leaves it.
    EXPECT_EQ(seedAfterFast, RandomSeed()) << "shape " << c.shape;
  }
}

TEST(RenderDriver, TexturedPixelPassMatchesThePlainFormulas) {
  QImage texture(13, 7, QImage::Format_RGB32);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 13; ++x)
      texture.setPixel(x, y, qRgb(19 * x, 36 * y, 255 - 9 * x));
  for (int stretch : {0, 1}) {
    for (int brightness : {0, 30, 50, 80, 100, 200}) {
      ButtonDesign d = WorkedExample();
      d.Antialias = 0;
      d.CaptionSlots[0].length = 0;
      d.FillKind = kTexture;
      d.TextureFile.setText("t.bmp");
      d.TextureStretch = static_cast<std::uint8_t>(stretch);
      d.TextureBrightness = static_cast<std::uint8_t>(brightness);
      d.ButtonHeight = 100;
      ImageRenderHost host;
      host.texture = texture;
      ButtonRenderer renderer(host);
      renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
      const ButtonGeometry g = ComputeGeometry(d, ScaleLengths(d), CaptionExtent{});
      EXPECT_EQ(host.image,
                ReferencePixelPass(d, int(g.W), int(g.H), double(g.W0), double(g.H0), texture))
          << stretch << " " << brightness;
    }
  }
}

TEST(RenderDriver, TiledTextureShowsAtItsOwnSizeWithSupersampling) {
  QImage texture(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      texture.setPixel(x, y, qRgb(30 * x, 30 * y, 7));
  ButtonDesign d = WorkedExample();
  d.CaptionSlots[0].length = 0;
  d.FillKind = kTexture;
  d.TextureFile.setText("t.bmp");
  d.BevelSize = 0;
  d.OutlineSize = 0;
  ImageRenderHost host;
  host.texture = texture;
  ButtonRenderer renderer(host);
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  for (int u = 0; u < host.image.height(); ++u)
    for (int v = 0; v < host.image.width(); ++v)
      ASSERT_EQ(host.image.pixel(v, u), texture.pixel(v % 8, u % 8)) << v << "," << u;
}

TEST(RenderDriver, RequestDuringARenderRestartsOnceWithTheNewestDesign) {
  ButtonDesign d = WorkedExample();
  d.Antialias = 0;
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  int depth = 0, maxDepth = 0;
  host.onPump = [&](int pump) {
    maxDepth = std::max(maxDepth, ++depth);
    if (pump == 10) {
      d.ButtonWidth = 50;
      renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
      d.ButtonWidth = 60;  // several requests in one render cost one restart
      renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
      EXPECT_TRUE(renderer.RenderRestart());
    }
    --depth;
  };
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  EXPECT_EQ(host.sizeTexts, 2);  // the first render and the one restart
  EXPECT_EQ(host.sizeText, "(60 x 20)");
  EXPECT_EQ(host.images, 1);  // the abandoned render handed nothing over
  EXPECT_EQ(host.image.size(), QSize(80, 30));
  EXPECT_FALSE(renderer.RenderBusy());
  EXPECT_FALSE(renderer.RenderRestart());
  EXPECT_EQ(maxDepth, 1);
}

// A restart draws the caption of the latest request, which the caller may have let go of
// meanwhile (a list of captions that grew); the first call's text changing under it is no
// request.
TEST(RenderDriver, ARestartDrawsTheCaptionOfTheLatestRequest) {
  ButtonDesign d = DefaultDesign();
  d.Antialias = 0;
  const QString longer = QStringLiteral("A much longer caption");
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  QString first = QStringLiteral("Hi");
  host.onPump = [&](int pump) {
    if (pump == 3) {
      const QString latest = longer;
      renderer.RenderButton(d, CaptionFont{}, latest);
    }
    if (pump == 5) first = QStringLiteral("Changed without a request");
  };
  renderer.RenderButton(d, CaptionFont{}, first);
  ButtonDesign alone = d;
  alone.CaptionSlots[0].setText(longer);
  EXPECT_EQ(host.sizeTexts, 2);
  EXPECT_EQ(host.sizeText, render(alone).sizeText);
  EXPECT_EQ(host.image.size(), render(alone).image.size());
}

TEST(RenderDriver, RestartsRunAsALoopNotARecursion) {
  ButtonDesign d = WorkedExample();
  d.Antialias = 0;
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  int requests = 0, depth = 0, maxDepth = 0;
  host.onPump = [&](int) {
    maxDepth = std::max(maxDepth, ++depth);
    if (requests < 200) {
      ++requests;
      d.ButtonWidth = 1 + requests;
      renderer.RenderButton(d, CaptionFont{},
                            CurrentSlotCaption(d));  // gives up the running render every time
    }
    --depth;
  };
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  EXPECT_EQ(host.sizeTexts, 201);
  EXPECT_EQ(host.sizeText, "(201 x 20)");
  EXPECT_EQ(host.images, 1);
  EXPECT_EQ(maxDepth, 1);
}

// The pixel pass shared with a second thread against the same pass on one thread: the same
// image, generator and event pumps, also when a handler in the pump restarts the render or
// draws from the generator (before the worker's rows, and within them).
TEST(RenderDriver, SharedPixelPassEqualsTheOneThreadPass) {
  ButtonDesign d = WorkedExample();
  d.Antialias = 0;
  d.CaptionSlots[0].length = 0;
  d.ShapeKind = kEllipse;
  d.FillKind = kPlasma2;
  d.Distortion = 50;
  d.ButtonWidth = 300;
  d.ButtonHeight = 90;  // H = 100: pumps 1..100 shape the rows, 101..200 paint them
  struct Outcome {
    QImage image;
    std::uint32_t seed;
    int pumps, sizeTexts;
  };
  auto run = [&](long long splitPixels, int pump, bool restart) {
    ButtonDesign design = d;
    ImageRenderHost host;
    ButtonRenderer renderer(host);
    renderer.setSplitPixels(splitPixels);
    host.onPump = [&](int p) {
      if (p != pump) return;
      if (restart) {
        design.Distortion = 30;
        renderer.RenderButton(design, CaptionFont{}, CurrentSlotCaption(design));
      } else {
        RandomInt(7);
      }
    };
    SetRandomSeed(99);
    renderer.RenderButton(design, CaptionFont{}, CurrentSlotCaption(design));
    return Outcome{host.image, RandomSeed(), host.pumps, host.sizeTexts};
  };
  const std::uint32_t seedWithoutEvents = run(0, 0, false).seed;
  for (int pump : {50, 101, 130, 150, 151, 175, 200}) {
    for (bool restart : {true, false}) {
      const Outcome shared = run(0, pump, restart);
      const Outcome alone = run(kMaxRenderPixels, pump, restart);
      EXPECT_EQ(shared.image, alone.image) << pump << " " << restart;
      EXPECT_EQ(shared.seed, alone.seed) << pump << " " << restart;
      EXPECT_EQ(shared.pumps, alone.pumps) << pump << " " << restart;
      EXPECT_EQ(shared.sizeTexts, alone.sizeTexts) << pump << " " << restart;
      // The handler's draw comes on top of the render's, which go on after it.
      if (!restart) {
        EXPECT_EQ(shared.seed, SeedAfterDraws(seedWithoutEvents, 1)) << pump;
      }
    }
  }
}

TEST(RenderDriver, SyncingSuppressesRendersAndRestartRequests) {
  ButtonDesign d = WorkedExample();
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  {
    ButtonRenderer::SyncingScope syncing(renderer);
    renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  }
  EXPECT_FALSE(renderer.Syncing());
  EXPECT_EQ(host.images, 0);
  EXPECT_EQ(host.sizeTexts, 0);

  host.onPump = [&](int pump) {
    if (pump != 3) return;
    ButtonRenderer::SyncingScope syncing(renderer);
    renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
    EXPECT_FALSE(renderer.RenderRestart());
  };
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  EXPECT_EQ(host.sizeTexts, 1);
  EXPECT_EQ(host.images, 1);
}

TEST(RenderDriver, CaptionSlotOfTheRecordIsDrawn) {
  ButtonDesign d = DefaultDesign();
  d.CaptionSlots[3].setBytes("Three three three");
  d.TextIndex = 3;
  const QString three = render(d).sizeText;
  d.TextIndex = 0;
  EXPECT_NE(render(d).sizeText, three);
}

TEST(RenderDriver, OversizedImageIsRefusedAndThePreviewKept) {
  ButtonDesign d = WorkedExample();
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  const QImage before = host.image;
  d.OutlineSize = 1'000'000;
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  EXPECT_EQ(host.refusals, 1);
  EXPECT_EQ(host.images, 1);
  EXPECT_EQ(host.image, before);
  EXPECT_FALSE(renderer.RenderBusy());
  // And the next ordinary render goes through.
  d.OutlineSize = 2;
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  EXPECT_EQ(host.images, 2);
}

TEST(RenderDriver, NegativeSizesCountAsZero) {
  ButtonDesign d = WorkedExample();
  d.BorderWidth = -500;
  d.OutlineSize = 0;
  const Rendered r = render(d);
  EXPECT_TRUE(r.image.isNull());
  d.OutlineSize = -3;
  d.BorderWidth = 18;
  EXPECT_EQ(render(d).image.size(), QSize(118 - 6, 28 - 6));
}

}  // namespace
