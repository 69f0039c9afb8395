// The preview page of a set in a real browser: the state table's cells must show exactly the
// set's images, at 1x on a normal screen and at 2x on a screen of twice the density. That
// proves the stylesheet's positions, sizes and image-set choice together.
#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ButtonSet.h"
#include "DesignFixtures.h"
#include "ImageFiles.h"

namespace {

QString FindBrowser() {
  const QString given = qEnvironmentVariable("TESSARO_CHROMIUM");
  if (!given.isEmpty()) return given;
  for (const char* name : {"chromium", "chromium-browser"}) {
    const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!found.isEmpty()) return found;
  }
  return {};
}

// A headless screenshot of the page, at a device scale factor.
QImage Screenshot(const QString& browser, const QString& page, int scale, QString* log) {
  QTemporaryDir profile;
  const QString shot = profile.filePath(QStringLiteral("shot.png"));
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(
      browser,
      {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
       "--disable-background-networking", "--disable-component-update", "--disable-sync",
       "--hide-scrollbars", "--force-color-profile=srgb", "--user-data-dir=" + profile.path(),
       QStringLiteral("--force-device-scale-factor=%1").arg(scale), "--window-size=1200,500",
       "--screenshot=" + shot, QUrl::fromLocalFile(page).toString()});
  if (!process.waitForFinished(120000)) process.kill();
  *log = QString::fromLocal8Bit(process.readAll());
  return ReadPng(shot).convertToFormat(QImage::Format_RGB32);
}

// Whether the image, over the white page, shows at `at` of the screenshot: the same where
// it is opaque, within 1 per channel where partly transparent (the browser's own blending).
bool ShowsAt(const QImage& shot, const QImage& image, QPoint at) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* want = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const auto* got = reinterpret_cast<const QRgb*>(shot.constScanLine(at.y() + y)) + at.x();
    for (int x = 0; x < image.width(); ++x) {
      const int a = qAlpha(want[x]);
      const int channels[3][2] = {{qRed(want[x]), qRed(got[x])},
                                  {qGreen(want[x]), qGreen(got[x])},
                                  {qBlue(want[x]), qBlue(got[x])}};
      for (const auto& [c, seen] : channels) {
        // c over white with alpha a, times 255.
        const int exact = c * a + 255 * (255 - a);
        const int tolerance = a == 0 || a == 255 ? 0 : 255;
        if (std::abs(seen * 255 - exact) > tolerance) return false;
      }
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

TEST(Browser, ShowsTheSetsImagesInTheStateTableAtEachScale) {
  const QString browser = FindBrowser();
  if (browser.isEmpty()) {
    GTEST_SKIP() << "No Chromium here: install it with scripts/install-deps (Debian's chromium) "
                    "or name it in TESSARO_CHROMIUM.";
  }
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.CaptionSlots[0].setText(QStringLiteral("Home"));
  look.design.CaptionSlots[1].setText(QStringLiteral("About us"));
  look.design.CaptionSlots[2].setText(QStringLiteral("Contact\r\nus"));
  look.design.ShapeKind = kRoundedEdges;  // partly transparent edges
  QTemporaryDir dir;
  ButtonSetOptions options;
  options.folder = dir.path();
  options.prefix = QStringLiteral("nav");
  options.sheet = true;
  QString error;
  ASSERT_TRUE(ExportButtonSet(look, options, &error)) << error.toStdString();

  for (int scale : {1, 2}) {
    SCOPED_TRACE(QStringLiteral("scale %1").arg(scale).toStdString());
    QString log;
    const QImage shot = Screenshot(browser, dir.filePath("nav.html"), scale, &log);
    ASSERT_FALSE(shot.isNull()) << "no screenshot: " << log.toStdString();
    for (int slot = 0; slot < 3; ++slot) {
      int row = -1;
      int column = -1;
      for (ButtonState state : options.states) {
        const QImage image = ReadPng(dir.filePath(
            QStringLiteral("nav%1%2").arg(slot + 1).arg(SetImageEnding(state, scale))));
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

}  // namespace
