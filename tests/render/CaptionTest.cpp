#include <gtest/gtest.h>

#include <QPainter>
#include <functional>

#include "ButtonRenderer.h"
#include "CaptionText.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"
#include "RgbAt.h"

namespace {

// A record's slot reaches the renderer by the caption line rule: CR breaks a line, LF
// vanishes wherever it stands; the renderer splits what it gets at '\n' alone.
TEST(CaptionLines, CarriageReturnsSplitAndLineFeedsVanish) {
  const struct {
    const char* slot;
    QStringList lines;
  } cases[] = {
      {"Home\r\nNews\r\nMail", {"Home", "News", "Mail"}},
      {"a\nb", {"ab"}},
      {"", {""}},
      {"\r\n\r\n", {"", "", ""}},
      {"x\r\n\r\ny", {"x", "", "y"}},
      {"lone\rCR", {"lone", "CR"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slot);
    ButtonDesign d = DefaultDesign();
    d.CaptionSlots[2].setBytes(c.slot);
    d.TextIndex = 2;
    EXPECT_EQ(CaptionTextLines(CurrentSlotCaption(d)), c.lines);
  }
}

TEST(CaptionFont, PixelSizeIsPointsAt96Dpi) {
  CaptionFont font;  // 14 points
  EXPECT_EQ(CaptionQFont(font, 1).pixelSize(), 19);
  EXPECT_EQ(CaptionQFont(font, 4).pixelSize(), 75);  // 56 points
  font.size = 0;
  EXPECT_EQ(CaptionQFont(font, 4).pixelSize(), 1);
  font.size = INT32_MIN;
  EXPECT_EQ(CaptionQFont(font, 4).pixelSize(), kMaxCaptionPixels);
}

// A caption in pure red on a flat blue button, no bevel, no outline.
ButtonDesign flatCaption(const char* caption) {
  ButtonDesign d = DefaultDesign();
  d.CaptionSlots[0].setBytes(caption);
  d.FillKind = kSingleColour;
  d.Colour1 = MakeColour(0, 0, 255);
  d.BevelSize = 0;
  d.OutlineSize = 0;
  d.TextColour = MakeColour(255, 0, 0);
  d.AutoSize = 0;
  d.ButtonWidth = 120;
  d.ButtonHeight = 60;
  return d;
}

QImage render(const ButtonDesign& d, const CaptionFont& font = {}) {
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.RenderButton(d, font, CurrentSlotCaption(d));
  return host.image;
}

// Whether the image shifted right by dx and down by dy equals `moved` wherever both exist.
bool shiftedEquals(const QImage& image, const QImage& moved, int dx, int dy) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int mx = x + dx, my = y + dy;
      if (mx < 0 || my < 0 || mx >= moved.width() || my >= moved.height()) continue;
      if (image.pixel(x, y) != moved.pixel(mx, my)) return false;
    }
  }
  return true;
}

TEST(Caption, OffsetsMoveTheTextInOutputPixels) {
  ButtonDesign d = flatCaption("Hi");
  const QImage base = render(d);
  d.TextOffsetX = 3;
  d.TextOffsetY = -2;
  const QImage moved = render(d);
  EXPECT_NE(base, moved);
  EXPECT_TRUE(shiftedEquals(base, moved, 3, -2));
}

TEST(Caption, LinesStackAtTheLineHeight) {
  const CaptionFont font;
  const long long th = CaptionMetrics(CaptionQFont(font, 1)).height();
  ButtonDesign d = flatCaption("X\r\nX");
  d.Antialias = 0;
  const QImage two = render(d);
  d.CaptionSlots[0].setBytes("X");
  const QImage one = render(d);
  // Each line of the block is the single line moved: the block is centred as a whole.
  const long long H = two.height();
  const int first = static_cast<int>(((H - 2 * th) >> 1) - ((H - th) >> 1));
  const QImage top = two.copy(0, 0, two.width(), static_cast<int>(H / 2));
  const QImage bottom = two.copy(0, static_cast<int>(H / 2), two.width(), static_cast<int>(H / 2));
  EXPECT_TRUE(shiftedEquals(one, top, 0, first));
  EXPECT_TRUE(shiftedEquals(one, bottom, 0, first + static_cast<int>(th - H / 2)));
}

TEST(Caption, EmptyCaptionTakesOneLineAndDrawsNothing) {
  ButtonDesign d = DefaultDesign();
  d.CaptionSlots[0].length = 0;
  d.FillKind = kSingleColour;
  d.BevelSize = 0;
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  const long long th = CaptionMetrics(CaptionQFont(CaptionFont{}, 4)).height();
  EXPECT_EQ(host.sizeText, QStringLiteral("(0 x %1)").arg(th / 4));
  EXPECT_EQ(host.image.width(), 20);
  for (int y = 1; y < host.image.height() - 1; ++y)
    for (int x = 1; x < host.image.width() - 1; ++x)
      ASSERT_EQ(RgbAt(host.image, x, y), (Rgb{20, 120, 80}));
}

TEST(Caption, TooWideCaptionIsClampedCentredAndClipped) {
  ButtonDesign d = DefaultDesign();
  d.CaptionSlots[0].setBytes(QByteArray(200, 'W'));
  CaptionFont font;
  font.size = 40;
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.RenderButton(d, font, CurrentSlotCaption(d));
  // 2024 scaled pixels plus the outline on both sides, reduced by 4.
  EXPECT_EQ(host.image.width(), (2024 + 2 * 4) / 4);
}

// Text the rest of a program draws between two renders: at other sizes, weights and
// fractional positions, as the caption memo, the font chooser and the widgets do, and a render
// of another design. None of it may reach the next caption's pixels.
void DrawText(const CaptionFont& font, int k, QPointF at, const QString& text) {
  QImage image(400, 200, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setFont(CaptionQFont(font, k));
  painter.drawText(at, text);
}

TEST(Caption, PixelsDoNotDependOnWhatWasDrawnBefore) {
  CaptionFont bold8;
  bold8.size = 6;
  CaptionFont regular;
  regular.bold = false;
  regular.size = 9;
  CaptionFont large;
  large.size = 30;
  ButtonDesign plain = DefaultDesign();
  plain.Antialias = 0;
  const std::pair<const char*, std::function<void()>> between[] = {
      {"the memo's text at 8 px",
       [&] {
         DrawText(bold8, 1, {5, 100}, "Button Text");
       }},
      {"text at a fractional position",
       [&] {
         DrawText(bold8, 1, {5.25, 100}, "Button Text");
       }},
      {"another weight",
       [&] {
         DrawText(regular, 1, {3.5, 60}, "Hello world");
       }},
      {"large text at a fractional position",
       [&] {
         DrawText(large, 1, {7.75, 150}, "Button Text");
       }},
      {"a render without antialiasing", [&] { render(plain); }},
      {"a render in another font", [&] { render(DefaultDesign(), regular); }},
  };
  ButtonDesign twoLines = DefaultDesign();
  twoLines.CaptionSlots[0].setBytes("Home\r\nNews");
  for (const ButtonDesign& design : {DefaultDesign(), plain, twoLines}) {
    const QImage first = render(design);
    for (const auto& [what, draw] : between) {
      draw();
      EXPECT_EQ(render(design), first) << "after " << what;
    }
  }
}

// The bounds of a caption's ink hold every pixel the caption paints, whatever reaches past
// its box: a slanted overhang, decorations, marks stacked above and below, other scripts and
// their fallback fonts, lines half off the image.
TEST(Caption, InkBoundsHoldEveryPaintedPixel) {
  const QString zalgo = QString::fromUtf8(
      "Z\u0351\u0357\u036A\u0306\u0352\u0311\u0300\u0301\u0308a\u0316\u0317\u0318\u0319\u031C"
      "\u031D\u031E\u031F\u0320l");
  const struct {
    const char* what;
    QString caption;
    bool italic, underline, strikeout;
    int size;
    long long offsetX, offsetY;
  } cases[] = {
      {"slanted overhang", "fff jjj", true, false, false, 14, 0, 0},
      {"decorations", "Underlined gyp", false, true, true, 14, 0, 0},
      {"stacked marks", zalgo, false, false, false, 14, 0, 0},
      {"other scripts", QString::fromUtf8("لن ✓ 首页 Ω"), true, true, false, 11, 0, 0},
      {"lines half off the image", "Top\nMiddle line\nBottom", false, true, false, 30, -40, -30},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CaptionFont font;
    font.italic = c.italic;
    font.underline = c.underline;
    font.strikeout = c.strikeout;
    font.size = c.size;
    for (int k : {1, 4}) {
      const QFont qfont = CaptionQFont(font, k);
      const int W = 60 * k, H = 24 * k;
      const QImage coverage = CaptionCoverage(W, H, qfont, c.caption, c.offsetX * k, c.offsetY * k);
      const QRect bounds = CaptionInkBounds(W, H, qfont, c.caption, c.offsetX * k, c.offsetY * k);
      int painted = 0;
      for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
          if (coverage.constScanLine(y)[x] == 0) continue;
          ++painted;
          ASSERT_TRUE(bounds.contains(x, y)) << "at " << x << "," << y << " at scale " << k;
        }
      }
      EXPECT_GT(painted, 0);
    }
  }
}

}  // namespace
