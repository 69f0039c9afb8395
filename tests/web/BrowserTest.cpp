// The preview page of a set in a real browser: the state table's cells must show exactly the
// set's images, at 1x on a normal screen and at 2x on a screen of twice the density. That
// proves the stylesheet's positions, sizes and image-set choice together.
#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

#include "ButtonSet.h"
#include "DesignFixtures.h"
#include "HeadlessBrowser.h"
#include "ImageFiles.h"
#include "StretchedSkin.h"
#include "StylesheetRules.h"
#include "TempDir.h"

namespace {

constexpr QSize kWindow(1200, 500);

// Whether the image, over the white page, shows at `at` of the screenshot: the same where
// it is opaque, within 1 per channel where partly transparent (the browser's own blending).
bool ShowsAt(const QImage& shot, const QImage& image, QPoint at) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* want = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const auto* got = reinterpret_cast<const QRgb*>(shot.constScanLine(at.y() + y)) + at.x();
    for (int x = 0; x < image.width(); ++x) {
      if (!ShowsOverWhite(got[x], want[x])) return false;
    }
  }
  return true;
}

QList<QPoint> FindAll(const QImage& shot, const QImage& image) {
  QList<QPoint> found;
  for (int y = 0; y + image.height() <= shot.height(); ++y) {
    for (int x = 0; x + image.width() <= shot.width(); ++x) {
      if (ShowsAt(shot, image, {x, y})) found << QPoint(x, y);
    }
  }
  return found;
}

#define SKIP_WITHOUT_A_BROWSER(browser)                                                 \
  if ((browser).isEmpty()) {                                                            \
    GTEST_SKIP() << "No Chromium here: install it with scripts/install-deps (Debian's " \
                    "chromium) or name it in TESSARO_CHROMIUM.";                        \
  }

// The set every browser test shows: three captions, every state at 1x and 2x, with its
// sheets, stylesheet and page, "nav.html".
ButtonSetOptions WriteThreeCaptions(const QString& folder, bool uniform = false) {
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.CaptionSlots[0].setText(QStringLiteral("Home"));
  look.design.CaptionSlots[1].setText(QStringLiteral("About us"));
  look.design.CaptionSlots[2].setText(QStringLiteral("Contact\r\nus"));
  look.design.ShapeKind = kRoundedEdges;  // partly transparent edges
  ButtonSetOptions options;
  options.folder = folder;
  options.prefix = QStringLiteral("nav");
  options.sheet = true;
  options.uniform = uniform;
  QString error;
  EXPECT_TRUE(ExportButtonSet(look, SlotCaptions(look.design), options, &error))
      << error.toStdString();
  return options;
}

QImage SetImage(const QString& folder, int slot, ButtonState state, int scale) {
  return ReadPng(QDir(folder).filePath(
      QStringLiteral("nav%1%2").arg(slot + 1).arg(SetImageEnding(state, scale))));
}

TEST(Browser, ShowsTheSetsImagesInTheStateTableAtEachScale) {
  const QString browser = FindBrowser();
  SKIP_WITHOUT_A_BROWSER(browser);
  QTemporaryDir dir;
  const ButtonSetOptions options = WriteThreeCaptions(dir.path());

  for (int scale : {1, 2}) {
    SCOPED_TRACE(QStringLiteral("scale %1").arg(scale).toStdString());
    QString log;
    const QImage shot = Screenshot(browser, dir.filePath("nav.html"), scale, kWindow, {}, &log);
    ASSERT_FALSE(shot.isNull()) << "no screenshot: " << log.toStdString();
    for (int slot = 0; slot < 3; ++slot) {
      int row = -1;
      int column = -1;
      for (ButtonState state : options.states) {
        const QImage image = SetImage(dir.path(), slot, state, scale);
        const QList<QPoint> found = FindAll(shot, image);
        // The normal button also stands in the navigation bar, above the table.
        const qsizetype expected = state == ButtonState::Normal ? 2 : 1;
        ASSERT_EQ(found.size(), expected)
            << "caption " << slot + 1 << " " << StateName(state).toStdString();
        const QPoint cell = found.last();
        if (row >= 0) {
          EXPECT_EQ(cell.y(), row) << "a row per caption";
          EXPECT_GT(cell.x(), column) << "the states in the order asked for";
        }
        row = cell.y();
        column = cell.x();
      }
    }
  }
}

// With forced colours (a high-contrast theme) the browser leaves out background images, so
// the page must show the caption instead: in each button's place, its text in a system
// colour inside a border, not the image. Chromium forces the colours with
// --force-high-contrast, in headless mode as well.
TEST(Browser, ShowsTheCaptionsWithABorderWhenColoursAreForced) {
  const QString browser = FindBrowser();
  SKIP_WITHOUT_A_BROWSER(browser);
  QTemporaryDir dir;
  const ButtonSetOptions options = WriteThreeCaptions(dir.path());
  const QString page = dir.filePath("nav.html");
  for (int scale : {1, 2}) {
    SCOPED_TRACE(QStringLiteral("scale %1").arg(scale).toStdString());
    QString log;
    const QImage plain = Screenshot(browser, page, scale, kWindow, {}, &log);
    ASSERT_FALSE(plain.isNull()) << "no screenshot: " << log.toStdString();
    const QImage forced =
        Screenshot(browser, page, scale, kWindow, {"--force-high-contrast"}, &log);
    ASSERT_FALSE(forced.isNull()) << "no screenshot: " << log.toStdString();
    forced.save(QStringLiteral("%1/forced-colours-%2x.png").arg(TESSARO_BINARY_DIR).arg(scale));
    for (int slot = 0; slot < 3; ++slot) {
      for (ButtonState state : options.states) {
        SCOPED_TRACE(
            QStringLiteral("caption %1 %2").arg(slot + 1).arg(StateName(state)).toStdString());
        const QImage image = SetImage(dir.path(), slot, state, scale);
        // Where the button stands without forced colours: the layout stays.
        const QList<QPoint> places = FindAll(plain, image);
        ASSERT_FALSE(places.isEmpty());
        const QRect box(places.last(), image.size());
        EXPECT_FALSE(ShowsAt(forced, image, box.topLeft())) << "the image is gone";
        // A border: the box's top row in one colour that differs from inside the box.
        const QRgb border = forced.pixel(box.left() + box.width() / 2, box.top());
        const QRgb inside = forced.pixel(box.left() + 2 * scale, box.top() + 2 * scale);
        EXPECT_NE(border, inside);
        int borderPixels = 0;
        for (int x = box.left(); x <= box.right(); ++x)
          borderPixels += forced.pixel(x, box.top()) == border;
        EXPECT_GE(borderPixels, box.width() - 4 * scale) << "a border along the top";
        // Text: pixels far from the box's own background, well inside the border.
        int ink = 0;
        for (int y = box.top() + 2 * scale; y < box.bottom() - 2 * scale; ++y) {
          for (int x = box.left() + 2 * scale; x < box.right() - 2 * scale; ++x) {
            const QRgb p = forced.pixel(x, y);
            ink += std::abs(qRed(p) - qRed(inside)) + std::abs(qGreen(p) - qGreen(inside)) +
                       std::abs(qBlue(p) - qBlue(inside)) >
                   300;
          }
        }
        EXPECT_GE(ink, 20 * scale * scale) << "the caption is drawn";
      }
    }
  }
}

// Under CSS zoom the browser scales each element's background and may sample pixels just
// past the element's part of the sheet (this Chromium does at 1.05 and 1.1, others have at
// 1.33 and 1.4). In a set of one size every image fills its cell, so without a gutter each
// touches its neighbours. The sheets are replaced by flat colours, each image's place red or
// blue like a checkerboard (no two neighbours alike): a pixel that mixes red and blue has
// taken colour from a neighbouring cell.
TEST(Browser, NoNeighbouringCellShowsUnderZoom) {
  const QString browser = FindBrowser();
  SKIP_WITHOUT_A_BROWSER(browser);
  QTemporaryDir dir;
  const ButtonSetOptions options = WriteThreeCaptions(dir.path(), true);
  const QString css = QString::fromUtf8(TempDir::read(dir.filePath("nav.css")));
  for (int scale : {1, 2}) {
    const QString name = dir.filePath(scale == 1 ? "nav-sheet.png" : "nav-sheet@2x.png");
    QImage sheet = ReadPng(name);
    ASSERT_FALSE(sheet.isNull());
    sheet.fill(Qt::transparent);
    for (int slot = 0; slot < 3; ++slot) {
      for (qsizetype s = 0; s < options.states.size(); ++s) {
        const ButtonState state = options.states[s];
        const QString selector = QStringLiteral(".nav-%1").arg(slot + 1);
        const QRect place(OffsetOf(StateRule(css, selector, state)) * scale,
                          SetImage(dir.path(), slot, state, scale).size());
        const QColor colour = (slot + s) % 2 == 0 ? QColor(255, 0, 0) : QColor(0, 0, 255);
        for (int y = place.top(); y <= place.bottom(); ++y)
          for (int x = place.left(); x <= place.right(); ++x)
            sheet.setPixelColor(x, y, colour);
      }
    }
    ASSERT_TRUE(sheet.save(name, "png"));
  }
  const QString html = QString::fromUtf8(TempDir::read(dir.filePath("nav.html")));

  for (const char* zoom : {"1.1", "1.33"}) {
    QString zoomed = html;
    zoomed.replace("</head>",
                   QStringLiteral("<style>body { zoom: %1; }</style>\n</head>").arg(zoom));
    ASSERT_TRUE(TempDir::write(dir.filePath("zoomed.html"), zoomed.toUtf8()));
    for (int scale : {1, 2}) {
      SCOPED_TRACE(QStringLiteral("zoom %1 at scale %2").arg(zoom).arg(scale).toStdString());
      QString log;
      const QImage shot =
          Screenshot(browser, dir.filePath("zoomed.html"), scale, kWindow, {}, &log);
      ASSERT_FALSE(shot.isNull()) << "no screenshot: " << log.toStdString();
      shot.save(QStringLiteral("%1/zoom-%2-%3x.png").arg(TESSARO_BINARY_DIR, zoom).arg(scale));
      int red = 0, blue = 0, mixed = 0;
      for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
          const QRgb p = shot.pixel(x, y);
          // Over white, red keeps green and blue equal, blue keeps red and green equal.
          const bool redShare = qRed(p) - qGreen(p) > 8;
          const bool blueShare = qBlue(p) - qGreen(p) > 8;
          red += redShare && !blueShare;
          blue += blueShare && !redShare;
          mixed += redShare && blueShare;
        }
      }
      EXPECT_GT(red, 0);
      EXPECT_GT(blue, 0);
      EXPECT_EQ(mixed, 0) << "pixels with colour from a neighbouring cell";
    }
  }
}

}  // namespace
