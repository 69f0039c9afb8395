#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>

#include "ButtonSet.h"
#include "DesignFixtures.h"
#include "ImageFiles.h"
#include "SetWebPage.h"
#include "TempDir.h"

namespace {

SetSheetLayout ThreeByFour() {
  SetSheetLayout layout;
  layout.prefix = QStringLiteral("nav");
  layout.states = kAllStates;
  layout.cell = QSize(90, 40);
  layout.imageSizes = {QSize(60, 30), QSize(90, 30), QSize(75, 40)};
  layout.captions = {QStringLiteral("Home"), QStringLiteral("About"), QStringLiteral("Contact")};
  return layout;
}

// The declarations of one rule, found by its selector.
QString Rule(const QString& css, const QString& selector) {
  const qsizetype at = css.indexOf(u'\n' + selector + QStringLiteral(" {"));
  if (at < 0) return {};
  const qsizetype open = css.indexOf(u'{', at);
  return css.mid(open + 1, css.indexOf(u'}', open) - open - 1);
}

TEST(SetStylesheet, PlacesEachStateOfEachCaptionOnItsCell) {
  SetSheetLayout layout = ThreeByFour();
  const QString css = SetStylesheet(layout);
  for (int slot = 0; slot < 3; ++slot) {
    SCOPED_TRACE(slot);
    const QString base = QStringLiteral(".nav-%1").arg(slot + 1);
    const QString rule = Rule(css, base);
    EXPECT_TRUE(rule.contains(QStringLiteral("width: %1px;").arg(layout.imageSizes[slot].width())));
    EXPECT_TRUE(
        rule.contains(QStringLiteral("height: %1px;").arg(layout.imageSizes[slot].height())));
    EXPECT_TRUE(
        rule.contains(QStringLiteral("background-image: image-set(url(\"nav-sheet.png\") "
                                     "1x, url(\"nav-sheet@2x.png\") 2x);")));
    EXPECT_TRUE(rule.contains(QStringLiteral("background-size: 360px 120px;")));
    EXPECT_TRUE(rule.contains(QStringLiteral("background-repeat: no-repeat;")));
    const QString y = slot == 0 ? QStringLiteral("0") : QStringLiteral("-%1px").arg(40 * slot);
    EXPECT_TRUE(rule.contains(QStringLiteral("background-position: 0 %1;").arg(y)))
        << rule.toStdString();
    EXPECT_TRUE(Rule(css, base + QStringLiteral(":hover, %1.is-hover").arg(base))
                    .contains(QStringLiteral("background-position: -90px %1;").arg(y)));
    EXPECT_TRUE(Rule(css, base + QStringLiteral(":active, %1.is-pressed").arg(base))
                    .contains(QStringLiteral("background-position: -180px %1;").arg(y)));
    EXPECT_TRUE(
        Rule(css, base + QStringLiteral(".is-disabled, %1[aria-disabled=\"true\"]").arg(base))
            .contains(QStringLiteral("background-position: -270px %1;").arg(y)));
    EXPECT_FALSE(Rule(css, base + QStringLiteral(":focus-visible")).isEmpty());
  }
  // Only the states asked for, the first standing in for normal; only the sheets there are.
  layout.states = {ButtonState::Pressed, ButtonState::Hover};
  layout.twoX = false;
  const QString two = SetStylesheet(layout);
  EXPECT_TRUE(Rule(two, ".nav-2").contains("background-position: 0 -40px;"));
  EXPECT_TRUE(Rule(two, ".nav-2").contains("image-set(url(\"nav-sheet.png\") 1x);"));
  EXPECT_TRUE(Rule(two, ".nav-2:hover, .nav-2.is-hover").contains("-90px -40px"));
  EXPECT_FALSE(two.contains("is-disabled"));
  EXPECT_FALSE(two.contains("is-pressed"));
}

TEST(SetPreviewPage, EscapesCaptionsAndReadsSeveralLinesAsOne) {
  SetSheetLayout layout = ThreeByFour();
  layout.prefix = QStringLiteral("a&b");
  layout.captions[0] = CaptionAsOneLine(QStringLiteral("<script>&\"x\"\r\nnext"));
  const QString page = SetPreviewPage(layout);
  EXPECT_FALSE(page.contains("<script>"));
  EXPECT_TRUE(page.contains("&lt;script&gt;&amp;&quot;x&quot; next"));
  EXPECT_TRUE(page.contains("<link rel=\"stylesheet\" href=\"a&amp;b.css\">"));
  EXPECT_TRUE(page.contains("<a class=\"a&amp;b-1\" href=\"#\">&lt;script&gt;"));
  EXPECT_TRUE(page.contains("<span class=\"a&amp;b-3 is-disabled\">Contact</span>"));
  EXPECT_EQ(CssIdentifier(QStringLiteral("my nav.v2")), "my\\ nav\\.v2");
  EXPECT_EQ(CssIdentifier(QStringLiteral("2nd")), "\\32 nd");
}

TEST(SetSheets, CellsHoldExactlyTheImagesOfTheSet) {
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.CaptionSlots[0].setText(QStringLiteral("Home"));
  look.design.CaptionSlots[1].setText(QStringLiteral("Contact\r\nus"));
  TempDir dir;
  ButtonSetOptions options;
  options.folder = dir.root();
  options.states = {ButtonState::Hover, ButtonState::Normal, ButtonState::Disabled};
  options.sheet = true;
  QString error;
  ASSERT_TRUE(ExportButtonSet(look, options, &error)) << error.toStdString();
  EXPECT_TRUE(QFile::exists(dir.path("button.css")));
  EXPECT_TRUE(QFile::exists(dir.path("button.html")));

  QSize cell(0, 0);
  for (const QString& name : QDir(dir.root()).entryList({"button?*.png"}, QDir::Files)) {
    if (!name.contains("@2x") && !name.contains("sheet"))
      cell = cell.expandedTo(ReadPng(dir.path(name)).size());
  }
  for (int scale : {1, 2}) {
    const QImage sheet = ReadPng(dir.path(scale == 1 ? "button-sheet.png" : "button-sheet@2x.png"));
    ASSERT_EQ(sheet.size(), QSize(3 * cell.width(), 2 * cell.height()) * scale);
    for (int slot = 0; slot < 2; ++slot) {
      for (int s = 0; s < 3; ++s) {
        const QImage image = ReadPng(dir.path(QStringLiteral("button%1%2")
                                                  .arg(slot + 1)
                                                  .arg(SetImageEnding(options.states[s], scale))));
        const QRect at(QPoint(s * cell.width(), slot * cell.height()) * scale, cell * scale);
        // The image at the cell's top left, nothing (transparent) in the rest of the cell.
        EXPECT_EQ(sheet.copy(QRect(at.topLeft(), image.size())), image) << slot << " " << s;
        QImage rest = sheet.copy(at);
        for (int y = 0; y < image.height(); ++y)
          for (int x = 0; x < image.width(); ++x)
            rest.setPixel(x, y, 0);
        EXPECT_TRUE(std::all_of(rest.constBits(), rest.constBits() + rest.sizeInBytes(),
                                [](uchar b) { return b == 0; }));
      }
    }
  }
}

}  // namespace
