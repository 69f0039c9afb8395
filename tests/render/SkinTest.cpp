// The stretch bands of a caption-less button: repeating a column between the insets must
// give exactly what the renderer draws for a wider button, and a row between them (for the
// rectangle) what it draws for a taller one.
#include <gtest/gtest.h>

#include <QString>

#include "ButtonRenderer.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"
#include "SkinInsets.h"

namespace {

struct Transparent {
  QImage oneX, twoX;
};

Transparent RenderTransparent(const ButtonDesign& design, const CaptionFont& font) {
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.setExtraImages(kTransparent | kTransparent2x);
  renderer.RenderButton(design, font, CurrentSlotCaption(design));
  return {renderer.extraImages().transparent, renderer.extraImages().transparent2x};
}

// The image widened to `width` by repeating its column `column` between the first `left`
// and the last `right` columns.
QImage RepeatColumn(const QImage& image, int left, int right, int column, int width) {
  QImage out(width, image.height(), image.format());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < width; ++x) {
      int from = column;
      if (x < left) from = x;
      if (x >= width - right) from = x - (width - image.width());
      out.setPixel(x, y, image.pixel(from, y));
    }
  }
  return out;
}

QImage Transposed(const QImage& image) {
  QImage out(image.height(), image.width(), image.format());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      out.setPixel(y, x, image.pixel(x, y));
  }
  return out;
}

// Whether two columns of the image differ in some row.
bool ColumnsDiffer(const QImage& image, int a, int b) {
  for (int y = 0; y < image.height(); ++y) {
    if (image.pixel(a, y) != image.pixel(b, y)) return true;
  }
  return false;
}

QImage RepeatRow(const QImage& image, int top, int bottom, int row, int height) {
  return Transposed(RepeatColumn(Transposed(image), top, bottom, row, height));
}

// A single-colour caption-less design whose colours are all told apart.
ButtonDesign PlainDesign(int shape, int outline, int bevel, bool antialias) {
  ButtonDesign d = DefaultDesign();
  d.CaptionSlots[0].setText(QString());
  d.ShapeKind = static_cast<std::uint8_t>(shape);
  d.FillKind = kSingleColour;
  d.OutlineSize = outline;
  d.BevelSize = bevel;
  d.Antialias = antialias ? 1 : 0;
  d.AutoSize = 0;
  d.ButtonWidth = 24;
  d.ButtonHeight = 14;
  d.Colour1 = MakeColour(20, 120, 80);
  d.HighlightColour = MakeColour(250, 240, 10);
  d.ShadowColour = MakeColour(10, 20, 200);
  d.OutlineColour = MakeColour(200, 30, 30);
  d.BackColour = MakeColour(90, 90, 90);
  return d;
}

const char* ShapeName(int shape) {
  switch (shape) {
    case kRectangle:
      return "rectangle";
    case kRoundedEdges:
      return "rounded edges";
    case kHexagon:
      return "hexagon";
    case kOctagon:
      return "octagon";
    default:
      return "rounded rectangle";
  }
}

TEST(SkinInsets, RepeatingTheBandGivesTheWiderAndTallerRenderExactly) {
  const CaptionFont font;
  for (int shape : {kRectangle, kRoundedEdges, kHexagon, kOctagon, kRoundedRectangle}) {
    for (int outline : {0, 1, 3}) {
      for (int bevel : {0, 2, 5}) {
        for (bool antialias : {true, false}) {
          SCOPED_TRACE(QStringLiteral("%1, outline %2, bevel %3, antialias %4")
                           .arg(QString::fromLatin1(ShapeName(shape)))
                           .arg(outline)
                           .arg(bevel)
                           .arg(antialias)
                           .toStdString());
          const ButtonDesign skinDesign = PlainDesign(shape, outline, bevel, antialias);
          const std::optional<SkinInsets> insets = SkinInsetsOf(skinDesign, font);
          ASSERT_TRUE(insets.has_value());
          ASSERT_TRUE(insets->widthBand);
          const Transparent skin = RenderTransparent(skinDesign, font);
          ASSERT_EQ(skin.oneX.size(), insets->size);
          const QMargins m = insets->stretch;
          const int bandFirst = m.left();
          const int bandLast = insets->size.width() - 1 - m.right();
          ASSERT_LE(bandFirst, bandLast);
          // The smallest insets: the column next to the band on either side is not like it.
          if (bandFirst > 0) {
            EXPECT_TRUE(ColumnsDiffer(skin.oneX, bandFirst - 1, bandFirst));
          }
          if (m.right() > 0) {
            EXPECT_TRUE(ColumnsDiffer(skin.oneX, bandLast + 1, bandLast));
          }
          for (int more : {1, 7, 30}) {
            SCOPED_TRACE(more);
            ButtonDesign wider = skinDesign;
            wider.ButtonWidth += more;
            const Transparent want = RenderTransparent(wider, font);
            for (int column : {bandFirst, bandLast}) {
              EXPECT_EQ(RepeatColumn(skin.oneX, m.left(), m.right(), column, want.oneX.width()),
                        want.oneX);
              EXPECT_EQ(RepeatColumn(skin.twoX, 2 * m.left(), 2 * m.right(), 2 * column,
                                     want.twoX.width()),
                        want.twoX);
            }
          }
          if (shape != kRectangle) continue;
          ASSERT_TRUE(insets->heightBand);
          const int rowFirst = m.top();
          const int rowLast = insets->size.height() - 1 - m.bottom();
          const QImage columns = Transposed(skin.oneX);
          if (rowFirst > 0) {
            EXPECT_TRUE(ColumnsDiffer(columns, rowFirst - 1, rowFirst));
          }
          if (m.bottom() > 0) {
            EXPECT_TRUE(ColumnsDiffer(columns, rowLast + 1, rowLast));
          }
          for (int more : {1, 5, 19}) {
            SCOPED_TRACE(more);
            ButtonDesign taller = skinDesign;
            taller.ButtonHeight += more;
            const Transparent want = RenderTransparent(taller, font);
            for (int row : {rowFirst, rowLast}) {
              EXPECT_EQ(RepeatRow(skin.oneX, m.top(), m.bottom(), row, want.oneX.height()),
                        want.oneX);
              EXPECT_EQ(
                  RepeatRow(skin.twoX, 2 * m.top(), 2 * m.bottom(), 2 * row, want.twoX.height()),
                  want.twoX);
            }
          }
        }
      }
    }
  }
}

}  // namespace
