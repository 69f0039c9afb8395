#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <algorithm>
#include <cstring>

#include "ButtonSet.h"
#include "DesignFixtures.h"
#include "ImageFiles.h"
#include "SetWebPage.h"
#include "StylesheetRules.h"
#include "TempDir.h"

namespace {

// A file name as the stylesheet names it, and an offset as background-position gives it.
QString Url(const QString& name) {
  return QString::fromLatin1(QUrl::toPercentEncoding(name, "@!$&'()*+,;="));
}
QString Position(QPoint at) {
  const auto px = [](int v) {
    return v == 0 ? QStringLiteral("0") : QStringLiteral("%1px").arg(-v);
  };
  return px(at.x()) + u' ' + px(at.y());
}

SetSheetLayout ThreeByFour() {
  SetSheetLayout layout;
  layout.prefix = QStringLiteral("nav");
  layout.states = kAllStates;
  layout.cell = QSize(90, 40);
  layout.elementSizes = {QSize(60, 30), QSize(90, 30), QSize(75, 40)};
  layout.captions = {Caption{QStringLiteral("Home")}, Caption{QStringLiteral("About")},
                     Caption{QStringLiteral("Contact")}};
  return layout;
}

// Cells of 90 x 40 with the gutter of 2 px between them.
TEST(SetStylesheet, PlacesEachStateOfEachCaptionOnItsCell) {
  SetSheetLayout layout = ThreeByFour();
  const QString css = SetStylesheet(layout);
  for (int slot = 0; slot < 3; ++slot) {
    SCOPED_TRACE(slot);
    const QString base = QStringLiteral(".nav-%1").arg(slot + 1);
    const QString rule = Rule(css, base);
    EXPECT_TRUE(
        rule.contains(QStringLiteral("width: %1px;").arg(layout.elementSizes[slot].width())));
    EXPECT_TRUE(
        rule.contains(QStringLiteral("height: %1px;").arg(layout.elementSizes[slot].height())));
    EXPECT_TRUE(
        rule.contains(QStringLiteral("background-image: image-set(url(\"nav-sheet.png\") "
                                     "1x, url(\"nav-sheet@2x.png\") 2x);")));
    EXPECT_TRUE(rule.contains(QStringLiteral("background-size: 366px 124px;")));
    EXPECT_TRUE(rule.contains(QStringLiteral("background-repeat: no-repeat;")));
    const QString y = slot == 0 ? QStringLiteral("0") : QStringLiteral("-%1px").arg(42 * slot);
    EXPECT_TRUE(rule.contains(QStringLiteral("background-position: 0 %1;").arg(y)))
        << rule.toStdString();
    EXPECT_TRUE(Rule(css, base + QStringLiteral(":hover, %1.is-hover").arg(base))
                    .contains(QStringLiteral("background-position: -92px %1;").arg(y)));
    EXPECT_TRUE(Rule(css, base + QStringLiteral(":active, %1.is-pressed").arg(base))
                    .contains(QStringLiteral("background-position: -184px %1;").arg(y)));
    EXPECT_TRUE(
        Rule(css,
             base +
                 QStringLiteral(":disabled, %1.is-disabled, %1[aria-disabled=\"true\"]").arg(base))
            .contains(QStringLiteral("background-position: -276px %1;").arg(y)));
    EXPECT_FALSE(Rule(css, base + QStringLiteral(":focus-visible")).isEmpty());
  }
  // Only the states asked for, the first standing in for normal; only the sheets there are.
  layout.states = {ButtonState::Pressed, ButtonState::Hover};
  layout.twoX = false;
  const QString two = SetStylesheet(layout);
  EXPECT_TRUE(Rule(two, ".nav-2").contains("background-position: 0 -42px;"));
  EXPECT_TRUE(Rule(two, ".nav-2").contains("image-set(url(\"nav-sheet.png\") 1x);"));
  EXPECT_TRUE(Rule(two, ".nav-2:hover, .nav-2.is-hover").contains("-92px -42px"));
  EXPECT_FALSE(two.contains("is-disabled"));
  EXPECT_FALSE(two.contains("is-pressed"));
}

TEST(SetPreviewPage, EscapesCaptionsAndReadsSeveralLinesAsOne) {
  SetSheetLayout layout = ThreeByFour();
  layout.prefix = QStringLiteral("a&b");
  layout.captions[0].text = QStringLiteral("<script>&\"x\"\nnext");
  const QString page = SetPreviewPage(layout);
  EXPECT_FALSE(page.contains("<script>"));
  EXPECT_TRUE(page.contains("&lt;script&gt;&amp;&quot;x&quot; next"));
  EXPECT_TRUE(page.contains("<link rel=\"stylesheet\" href=\"a&amp;b.css\">"));
  EXPECT_TRUE(page.contains("<title>a&amp;b</title>"));
  // The class is the prefix as an identifier: nothing in it to escape.
  EXPECT_TRUE(page.contains("<a class=\"a_b-1\" href=\"#\" dir=\"auto\">&lt;script&gt;"));
  EXPECT_TRUE(
      page.contains("<span class=\"a_b-3 is-disabled\" aria-disabled=\"true\">Contact</span>"));
  EXPECT_EQ(SetClassName(QStringLiteral("my nav.v2"), 0), "my_nav_v2-1");
  EXPECT_EQ(SetClassName(QStringLiteral("2nd"), 1), "_2nd-2");
}

// Each image stands in its sheet exactly where the stylesheet looks for it, at 1x and at 2x;
// everything else is transparent, and at least 2 px at 1x (4 px at 2x) of it lie between any
// two images, so a browser that samples past an element's edge (under zoom) finds nothing.
TEST(SetSheets, HoldExactlyTheImagesWhereTheStylesheetSaysWithAGutterBetween) {
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
  ASSERT_TRUE(ExportButtonSet(look, SlotCaptions(look.design), options, &error))
      << error.toStdString();
  EXPECT_TRUE(QFile::exists(dir.path("button.html")));
  const QString css = QString::fromUtf8(TempDir::read(dir.path("button.css")));

  for (int scale : {1, 2}) {
    SCOPED_TRACE(scale);
    const QImage sheet = ReadPng(dir.path(scale == 1 ? "button-sheet.png" : "button-sheet@2x.png"));
    QImage expected(sheet.size(), QImage::Format_ARGB32);
    expected.fill(0);
    QList<QRect> placed;
    for (int slot = 0; slot < 2; ++slot) {
      for (ButtonState state : options.states) {
        const QImage image = ReadPng(
            dir.path(QStringLiteral("button%1%2").arg(slot + 1).arg(SetImageEnding(state, scale))));
        const QPoint at =
            OffsetOf(StateRule(css, QStringLiteral(".button-%1").arg(slot + 1), state)) * scale;
        EXPECT_EQ(sheet.copy(QRect(at, image.size())), image)
            << slot << " " << StateName(state).toStdString();
        for (int y = 0; y < image.height(); ++y) {
          std::memcpy(expected.scanLine(at.y() + y) + 4 * at.x(), image.constScanLine(y),
                      4 * static_cast<std::size_t>(image.width()));
        }
        placed << QRect(at, image.size());
      }
    }
    EXPECT_EQ(sheet, expected) << "nothing but the images";
    for (qsizetype a = 0; a < placed.size(); ++a) {
      for (qsizetype b = a + 1; b < placed.size(); ++b) {
        const QRect p = placed[a], q = placed[b];
        const int gap = std::max({q.left() - p.right() - 1, p.left() - q.right() - 1,
                                  q.top() - p.bottom() - 1, p.top() - q.bottom() - 1});
        EXPECT_GE(gap, 2 * scale) << a << " and " << b;
      }
    }
  }
}

// Every caption of a set beyond the 32 of a design file: a named one gives its files and
// class its name, one without keeps its number; each link of the page goes where its
// caption's link says (escaped for the attribute), "#" without one, its direction from its
// own text.
TEST(SetWithNames, NamesFilesAndClassesAfterTheCaptionsAndLinksToTheirLinks) {
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.Antialias = 0;
  QList<Caption> captions;
  for (int i = 0; i < 40; ++i) {
    Caption caption{QStringLiteral("Item %1").arg(i + 1)};
    if (i % 3 == 1) caption.name = QStringLiteral("item %1").arg(i + 1);
    if (i % 2 == 1) caption.link = QStringLiteral("/page?a=\"%1\"&b=<%1>").arg(i + 1);
    captions << caption;
  }
  captions[39] = {QString::fromUtf8("Главная\nстраница"), QString::fromUtf8("главная"),
                  QString::fromUtf8("/ru/главная")};
  captions[38].text = QString::fromUtf8("الرئيسية");
  TempDir dir;
  ButtonSetOptions options;
  options.folder = dir.root();
  options.prefix = QStringLiteral("nav");
  options.states = {ButtonState::Normal, ButtonState::Hover};
  options.scales = {1};
  options.sheet = true;
  QString error;
  ASSERT_TRUE(ExportButtonSet(look, captions, options, &error)) << error.toStdString();

  QStringList files = {"nav-sheet.png", "nav.css", "nav.html"};
  QSet<QString> classes;
  for (int i = 0; i < captions.size(); ++i) {
    const QString stem =
        captions[i].name.isEmpty() ? QStringLiteral("nav%1").arg(i + 1) : "nav-" + captions[i].name;
    files << stem + ".png" << stem + "-hover.png";
    classes << (captions[i].name.isEmpty() ? QStringLiteral("nav-%1").arg(i + 1)
                                           : "nav-" + QString(captions[i].name).replace(' ', '_'));
  }
  files.sort();
  EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files, QDir::Name), files);

  const QString css = QString::fromUtf8(TempDir::read(dir.path("nav.css")));
  const QString page = QString::fromUtf8(TempDir::read(dir.path("nav.html")));
  static const QRegularExpression rule(QStringLiteral("\n\\.([^\\s:.\\[]+) \\{"));
  QSet<QString> ruled;
  for (const QRegularExpressionMatch& m : rule.globalMatch(css))
    ruled << m.captured(1);
  EXPECT_EQ(ruled, classes);

  static const QRegularExpression link(
      QStringLiteral("<a class=\"([^\"]+)\" href=\"([^\"]*)\" dir=\"auto\">([^<]*)</a>"));
  QStringList hrefs, texts;
  QSet<QString> linked;
  for (const QRegularExpressionMatch& m : link.globalMatch(page)) {
    linked << m.captured(1);
    hrefs << m.captured(2);
    texts << m.captured(3);
  }
  EXPECT_EQ(linked, classes);
  ASSERT_EQ(hrefs.size(), 40);
  EXPECT_EQ(hrefs[0], "#");
  EXPECT_EQ(hrefs[1], "/page?a=&quot;2&quot;&amp;b=&lt;2&gt;");
  EXPECT_EQ(hrefs[39], QString::fromUtf8("/ru/главная"));
  EXPECT_EQ(texts[38], QString::fromUtf8("الرئيسية"));
  EXPECT_EQ(texts[39], QString::fromUtf8("Главная страница"));
  // Each of them has its own row of the sheet.
  EXPECT_EQ(OffsetOf(Rule(css, QString::fromUtf8(".nav-главная"))).y(),
            39 * (ReadPng(dir.path("nav-sheet.png")).height() + kSheetGutter) / 40);
}

// A state larger than the normal look is not cut off: each caption's element is as large as
// its largest state, whichever state that is.
TEST(SetSheets, AnElementIsAsLargeAsTheLargestStateOfItsCaption) {
  for (ButtonState large : {ButtonState::Hover, ButtonState::Pressed, ButtonState::Normal}) {
    SCOPED_TRACE(StateName(large).toStdString());
    ButtonLook look;
    look.design = DefaultDesign();
    look.design.CaptionSlots[0].setText(QStringLiteral("Home"));
    look.design.CaptionSlots[1].setText(QStringLiteral("About us"));
    ButtonLook larger = look;
    larger.design.BorderWidth = 60;
    larger.design.BorderHeight = 30;
    TempDir dir;
    ButtonSetOptions options;
    options.folder = dir.root();
    options.scales = {1};
    options.sheet = true;
    if (large == ButtonState::Normal) {
      look = larger;
      options.stateLooks[ButtonState::Disabled] = ButtonLook{DefaultDesign(), {}, {}};
    } else {
      options.stateLooks[large] = larger;
    }
    QString error;
    ASSERT_TRUE(ExportButtonSet(look, SlotCaptions(look.design), options, &error))
        << error.toStdString();
    const QString css = QString::fromUtf8(TempDir::read(dir.path("button.css")));
    for (int slot = 1; slot <= 2; ++slot) {
      QSize largest(0, 0);
      for (ButtonState state : options.states) {
        largest = largest.expandedTo(
            ReadPng(dir.path(QStringLiteral("button%1%2").arg(slot).arg(SetImageEnding(state, 1))))
                .size());
      }
      EXPECT_EQ(SizeOf(Rule(css, QStringLiteral(".button-%1").arg(slot))), largest) << slot;
    }
  }
}

// The classes the page gives its buttons (each element's first class) and the classes the
// stylesheet's rules select, as sets; and whatever else the page's class attributes hold.
struct UsedClasses {
  QSet<QString> inPage, inStylesheet;
  QSet<QString> others;
};
UsedClasses ClassesOf(const SetSheetLayout& layout) {
  UsedClasses found;
  static const QRegularExpression attribute(QStringLiteral("class=\"([^\"]*)\""));
  for (const QRegularExpressionMatch& m : attribute.globalMatch(SetPreviewPage(layout))) {
    const QStringList classes = m.captured(1).split(u' ');
    found.inPage << classes[0];
    for (qsizetype i = 1; i < classes.size(); ++i)
      found.others << classes[i];
  }
  static const QRegularExpression rule(QStringLiteral("\n\\.([^\\s:.\\[]+) \\{"));
  for (const QRegularExpressionMatch& m : rule.globalMatch(SetStylesheet(layout)))
    found.inStylesheet << m.captured(1);
  return found;
}

// Any prefix a file name can hold gives one class per slot that CSS reads without escapes
// and the page names the same way; the files keep the prefix as it is.
TEST(SetClasses, AreIdentifiersDerivedFromThePrefixTheSameInPageAndStylesheet) {
  const struct {
    QString prefix, className;
  } cases[] = {
      {"nav", "nav-1"},
      {"my set", "my_set-1"},
      {"my.nav.v2", "my_nav_v2-1"},
      {"it's \"x\"", "it_s__x_-1"},
      {"100%", "_100_-1"},
      {"2nd", "_2nd-1"},
      {"-2", "_-2-1"},
      {"_x", "_x-1"},
      {"#a:b", "_a_b-1"},
      {"a&b", "a_b-1"},
      {"tab\there", "tab_here-1"},
      {QString::fromUtf8("men\u00FC"), QString::fromUtf8("men\u00FC-1")},
      {QString::fromUtf8("\u65E5\u672C"), QString::fromUtf8("\u65E5\u672C-1")},
      {QString::fromUtf8("a\u0081b\u00A0c"), "a_b_c-1"},
      {QString::fromUtf8("\U0001F600go"), "_go-1"},
  };
  static const QRegularExpression identifier(
      QStringLiteral("^[_a-zA-Z\\x{80}-\\x{10FFFF}][-_a-zA-Z0-9\\x{80}-\\x{10FFFF}]*$"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prefix.toStdString());
    SetSheetLayout layout = ThreeByFour();
    layout.prefix = c.prefix;
    const UsedClasses found = ClassesOf(layout);
    const QString name = c.className.chopped(2);  // without "-1"
    const QSet<QString> expected = {name + "-1", name + "-2", name + "-3"};
    EXPECT_EQ(found.inStylesheet, expected);
    EXPECT_EQ(found.inPage, expected);
    QSet<QString> others = found.others;
    EXPECT_TRUE(others.subtract({"is-hover", "is-pressed", "is-disabled"}).isEmpty());
    for (const QString& className : expected)
      EXPECT_TRUE(identifier.match(className).hasMatch()) << className.toStdString();
    EXPECT_TRUE(SetStylesheet(layout).contains(Url(SetSheetFileName(c.prefix, 1))));
  }
}

// The rules' order decides between states of equal specificity: hover, then pressed, then
// disabled, whatever order the sheet's columns have.
TEST(SetStylesheet, WritesTheStatesInCascadeOrderWhateverOrderWasAskedFor) {
  const QList<QList<ButtonState>> orders = {
      {ButtonState::Pressed, ButtonState::Hover, ButtonState::Normal, ButtonState::Disabled},
      {ButtonState::Disabled, ButtonState::Pressed, ButtonState::Hover, ButtonState::Normal},
      kAllStates,
  };
  for (const QList<ButtonState>& states : orders) {
    SetSheetLayout layout = ThreeByFour();
    layout.states = states;
    const QString css = SetStylesheet(layout);
    const qsizetype normal = css.indexOf("\n.nav-2 {");
    const qsizetype hover = css.indexOf("\n.nav-2:hover");
    const qsizetype pressed = css.indexOf("\n.nav-2:active");
    const qsizetype disabled = css.indexOf("\n.nav-2:disabled");
    EXPECT_LT(normal, hover);
    EXPECT_LT(hover, pressed);
    EXPECT_LT(pressed, disabled);
    // Each still shows its own column.
    EXPECT_TRUE(Rule(css, ".nav-2:hover, .nav-2.is-hover")
                    .contains(Position(
                        layout.cellAt(1, static_cast<int>(states.indexOf(ButtonState::Hover))))));
  }
}

TEST(SetStylesheet, ADisabledButtonTakesNoPointerAndThePagesDisabledExamplesNoFocus) {
  const SetSheetLayout layout = ThreeByFour();
  const QString rule = Rule(SetStylesheet(layout),
                            ".nav-1:disabled, .nav-1.is-disabled, .nav-1[aria-disabled=\"true\"]");
  EXPECT_TRUE(rule.contains("pointer-events: none;")) << rule.toStdString();
  EXPECT_TRUE(rule.contains("cursor: default;")) << rule.toStdString();
  const QString page = SetPreviewPage(layout);
  static const QRegularExpression element(QStringLiteral("<(\\w+) [^>]*is-disabled[^>]*>"));
  int examples = 0;
  for (const QRegularExpressionMatch& m : element.globalMatch(page)) {
    ++examples;
    const QString tag = m.captured(0);
    EXPECT_TRUE(tag.contains("aria-disabled=\"true\"")) << tag.toStdString();
    EXPECT_FALSE(tag.contains("href")) << tag.toStdString();
    EXPECT_FALSE(tag.contains("tabindex")) << tag.toStdString();
    EXPECT_NE(m.captured(1), "a");
    EXPECT_NE(m.captured(1), "button");
  }
  EXPECT_EQ(examples, layout.captionCount());
}

// A browser that drops one way of naming the sheets still shows the button: a plain url()
// first, then the prefixed and the standard image-set(), the last that is understood winning.
TEST(SetStylesheet, NamesTheSheetsThreeWaysFromThePlainestOn) {
  const struct {
    bool oneX, twoX;
    const char *plain, *set;
  } cases[] = {
      {true, true, "url(\"nav-sheet.png\")",
       "url(\"nav-sheet.png\") 1x, url(\"nav-sheet@2x.png\") 2x"},
      {true, false, "url(\"nav-sheet.png\")", "url(\"nav-sheet.png\") 1x"},
      {false, true, "url(\"nav-sheet@2x.png\")", "url(\"nav-sheet@2x.png\") 2x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.set);
    SetSheetLayout layout = ThreeByFour();
    layout.oneX = c.oneX;
    layout.twoX = c.twoX;
    const QString rule = Rule(SetStylesheet(layout), ".nav-3");
    const qsizetype plain = rule.indexOf(QStringLiteral("background-image: %1;").arg(c.plain));
    const qsizetype webkit =
        rule.indexOf(QStringLiteral("background-image: -webkit-image-set(%1);").arg(c.set));
    const qsizetype standard =
        rule.indexOf(QStringLiteral("background-image: image-set(%1);").arg(c.set));
    EXPECT_GE(plain, 0) << rule.toStdString();
    EXPECT_GT(webkit, plain);
    EXPECT_GT(standard, webkit);
  }
}

// Control characters (C0 but for the blanks, DEL, C1) and code points no page may hold never
// reach the page, from a caption or from the prefix.
TEST(SetPreviewPage, LeavesOutControlCharactersAndCodePointsAPageCannotHold) {
  const struct {
    QString caption, shown;
  } cases[] = {
      {QString::fromUtf8("A\u0001B"), "AB"},
      {QString::fromUtf8("\u0081Home\u009D"), "Home"},
      {QString::fromUtf8("x\u007Fy\u001Fz"), "xyz"},
      {QString::fromUtf8("caf\u00E9 \u20AC5"), QString::fromUtf8("caf\u00E9 \u20AC5")},
      {QString(QChar(0xD800)) + "lone", "lone"},
      {QString::fromUtf8("no\uFFFEn"), "non"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown.toStdString());
    SetSheetLayout layout = ThreeByFour();
    layout.captions[1].text = c.caption;
    layout.prefix = "set" + c.caption;
    const QString page = QString::fromUtf8(SetPreviewPage(layout).toUtf8());
    EXPECT_TRUE(page.contains(">" + c.shown + "</a>")) << page.toStdString();
    EXPECT_TRUE(page.contains("<title>set" + c.shown + "</title>"));
    for (char32_t u : page.toUcs4()) {
      const bool control = (u < 0x20 && u != u'\n') || (u >= 0x7F && u <= 0x9F);
      const bool noncharacter = (u >= 0xFDD0 && u <= 0xFDEF) || (u & 0xFFFE) == 0xFFFE;
      EXPECT_FALSE(control || noncharacter || u == 0xFFFD)
          << "U+" << std::hex << static_cast<unsigned>(u);
    }
  }
}

// A slot without a caption is no link of the navigation bar; the page says so, and still
// shows its buttons in the table. The page fits a phone's width.
TEST(SetPreviewPage, LeavesEmptySlotsOutOfTheNavigationBarAndSaysSo) {
  const struct {
    QStringList captions;
    QStringList links;
    const char* says;  // empty: nothing to say
  } cases[] = {
      {{"Home", "About", "Contact"}, {"Home", "About", "Contact"}, ""},
      {{"Home", "", "Contact"}, {"Home", "Contact"}, "Caption slot 2 has no caption"},
      {{"", " \r\n", "Contact"}, {"Contact"}, "Caption slots 1 and 2 have no caption"},
      {{"", "", ""}, {}, "Caption slots 1, 2 and 3 have no caption"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.captions.join(u'|').toStdString());
    SetSheetLayout layout = ThreeByFour();
    layout.captions.clear();
    for (const QString& text : c.captions)
      layout.captions << Caption{text};
    const QString page = SetPreviewPage(layout);
    EXPECT_TRUE(
        page.contains("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"));
    const QString nav =
        page.mid(page.indexOf("<nav"), page.indexOf("</nav>") - page.indexOf("<nav"));
    static const QRegularExpression link(QStringLiteral("<a [^>]*>([^<]*)</a>"));
    QStringList links;
    for (const QRegularExpressionMatch& m : link.globalMatch(nav))
      links << m.captured(1);
    EXPECT_EQ(links, c.links);
    if (*c.says) {
      EXPECT_TRUE(page.contains(QLatin1String(c.says))) << page.toStdString();
    } else {
      EXPECT_FALSE(page.contains("no caption"));
    }
    EXPECT_EQ(page.count("<tr><th scope=\"row\">"), 3) << "every slot in the table";
  }
}

}  // namespace
