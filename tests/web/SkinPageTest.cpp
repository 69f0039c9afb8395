// The skin's stylesheet and page hold to the rules a set's page has to: valid class names
// from any prefix, rules in cascade order, disabled buttons that cannot be used, a plain
// url() before image-set(), no control character in the page, a viewport.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>

#include "DesignFixtures.h"
#include "Skin.h"
#include "SkinWebPage.h"

namespace {

Skin MadeSkin(const QList<ButtonState>& states, const CaptionFont& font = {}) {
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.FillKind = kSingleColour;
  look.font = font;
  SkinOptions options;
  options.states = states;
  Skin skin;
  QString error;
  EXPECT_TRUE(MakeSkin(look, CurrentSlotCaption(look.design), options, &skin, &error))
      << error.toStdString();
  return skin;
}

// A CSS identifier that needs no escape: what the page's class attribute can hold as it is.
const QRegularExpression kPlainIdentifier(
    QStringLiteral("^(-?[_a-zA-Z\\x{A0}-\\x{FFFF}]|--)[-_a-zA-Z0-9\\x{A0}-\\x{FFFF}]*$"));

TEST(SkinWebPage, ClassNamesAreValidIdentifiersTheSameInPageAndStylesheet) {
  const struct {
    const char* prefix;
    const char* name;
  } cases[] = {
      {"nav", "nav"},
      {"my set", "my_set"},
      {"1st", "_1st"},
      {"-2", "_-2"},
      {"-", "_-"},
      {"a.b#c", "a_b_c"},
      {"\x01x", "_x"},
      {"na\xc3\xafve", "na\xc3\xafve"},
      {"under_score", "under_score"},
  };
  const Skin skin = MadeSkin(kAllStates);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prefix);
    const QString prefix = QString::fromUtf8(c.prefix);
    const QString name = SkinClassName(prefix);
    EXPECT_EQ(name, QString::fromUtf8(c.name));
    EXPECT_TRUE(kPlainIdentifier.match(name).hasMatch()) << name.toStdString();
    EXPECT_TRUE(SkinStylesheet(skin, prefix, {1, 2}).contains(u'.' + name + QStringLiteral(" {")));
    EXPECT_TRUE(SkinPage(skin, prefix, SlotCaptions(DefaultDesign()))
                    .contains(QStringLiteral("class=\"%1 is-hover\"").arg(name.toHtmlEscaped())));
  }
}

TEST(SkinWebPage, RulesComeInCascadeOrderWhateverOrderTheStatesWereAskedIn) {
  QList<ButtonState> states = kAllStates;
  std::sort(states.begin(), states.end());
  do {
    const Skin skin = MadeSkin(states);
    const QString css = SkinStylesheet(skin, "nav", {1, 2});
    const qsizetype base = css.indexOf(".nav {");
    const qsizetype hover = css.indexOf(".nav:hover");
    const qsizetype pressed = css.indexOf(".nav:active");
    const qsizetype disabled = css.indexOf(".nav:disabled");
    EXPECT_TRUE(base >= 0 && base < hover && hover < pressed && pressed < disabled)
        << StateName(states[0]).toStdString() << "," << StateName(states[1]).toStdString() << ","
        << StateName(states[2]).toStdString() << "," << StateName(states[3]).toStdString();
    // The normal look stands in the class's own rule.
    const QString rule = css.mid(base, css.indexOf(u'}', base) - base);
    EXPECT_TRUE(rule.contains("url(\"nav-skin.png\")")) << rule.toStdString();
  } while (std::next_permutation(states.begin(), states.end()));
}

TEST(SkinWebPage, DisabledButtonsCannotBeUsed) {
  for (const QList<ButtonState>& states : {kAllStates, QList<ButtonState>{ButtonState::Disabled}}) {
    const Skin skin = MadeSkin(states);
    const QString css = SkinStylesheet(skin, "nav", {1});
    const qsizetype at =
        css.indexOf(".nav:disabled,\n.nav.is-disabled,\n.nav[aria-disabled=\"true\"] {");
    ASSERT_GE(at, 0) << css.toStdString();
    const QString rule = css.mid(at, css.indexOf(u'}', at) - at);
    EXPECT_TRUE(rule.contains("pointer-events: none;"));
    EXPECT_TRUE(rule.contains("cursor: default;"));
    const QString page = SkinPage(skin, "nav", SlotCaptions(DefaultDesign()));
    const QRegularExpression disabledLink(QStringLiteral("<a class=\"nav is-disabled\"[^>]*>"));
    QRegularExpressionMatchIterator links = disabledLink.globalMatch(page);
    int count = 0;
    while (links.hasNext()) {
      const QString link = links.next().captured();
      EXPECT_TRUE(link.contains("aria-disabled=\"true\"")) << link.toStdString();
      EXPECT_FALSE(link.contains("href")) << "a link without href cannot be followed or focused";
      ++count;
    }
    EXPECT_EQ(count, 3) << "one per caption";
    EXPECT_TRUE(page.contains("type=\"button\" disabled aria-disabled=\"true\">"));
  }
}

TEST(SkinWebPage, APlainUrlComesBeforeEachImageSet) {
  const Skin skin = MadeSkin(kAllStates);
  for (const QList<int>& scales : {QList<int>{1, 2}, QList<int>{2}}) {
    const QString css = SkinStylesheet(skin, "a b", scales);
    for (ButtonState state : kAllStates) {
      SCOPED_TRACE(StateName(state).toStdString());
      const QString file = QString(SkinImageFileName("a b", state, scales[0])).replace(" ", "%20");
      const qsizetype plain = css.indexOf("border-image-source: url(\"" + file + "\");");
      const qsizetype webkit = css.indexOf("border-image-source: -webkit-image-set(", plain);
      const qsizetype standard = css.indexOf("border-image-source: image-set(", plain);
      EXPECT_GE(plain, 0);
      EXPECT_LT(plain, webkit);
      EXPECT_LT(webkit, standard);
      EXPECT_EQ(css.mid(standard).section(u'\n', 0, 0).count(" 2x"), 1);
    }
    // The forced-colours fallback for every state.
    EXPECT_EQ(css.mid(css.indexOf("@media (forced-colors: active)")).count("border-image: none;"),
              4);
  }
}

TEST(SkinWebPage, ThePageHasAViewportAndNoControlCharacters) {
  ButtonDesign design = DefaultDesign();
  design.CaptionSlots[0].setText(QStringLiteral("Go\x01on"));
  design.CaptionSlots[1].setBytes(
      "A\x81"
      "B\x9d"
      "C");
  design.CaptionSlots[2].setText(QStringLiteral("<b>&"));
  const QString page = SkinPage(MadeSkin(kAllStates), "nav", SlotCaptions(design));
  EXPECT_TRUE(
      page.contains("<meta name=\"viewport\" content=\"width=device-width, "
                    "initial-scale=1\">"));
  for (const QChar c : page) {
    const char16_t u = c.unicode();
    EXPECT_FALSE((u < 0x20 && u != u'\n') || (u >= 0x7F && u <= 0x9F)) << int(u);
  }
  EXPECT_TRUE(page.contains(">Goon</a>"));
  EXPECT_TRUE(page.contains(">ABC</a>"));
  EXPECT_TRUE(page.contains(">&lt;b&gt;&amp;</a>"));
  EXPECT_EQ(SkinPageCaptions(SlotCaptions(design)).mid(0, 3), (QStringList{"Goon", "ABC", "<b>&"}));

  // A document's caption may hold what no page may: noncharacters and lone surrogates.
  const QList<Caption> unicode = {Caption{QStringLiteral("Д") + QChar(0xFDD0) + QChar(0xD800) +
                                          QStringLiteral("а") + QChar(0xFFFF)}};
  EXPECT_EQ(SkinPageCaptions(unicode).value(0), QStringLiteral("Да"));
  EXPECT_TRUE(SkinPage(MadeSkin(kAllStates), "nav", unicode).contains(QStringLiteral(">Да</a>")));
}

TEST(SkinWebPage, TheCaptionFontInCssPixels) {
  const struct {
    int points;
    bool bold, italic, underline;
    const char* declarations;
  } cases[] = {
      {14, true, false, false,
       "font-size: 19px;\n  font-weight: 700;\n  font-style: normal;\n  "
       "text-decoration: none;"},
      {10, false, true, false,
       "font-size: 13px;\n  font-weight: 400;\n  font-style: italic;\n  "
       "text-decoration: none;"},
      {9, false, false, true,
       "font-size: 12px;\n  font-weight: 400;\n  font-style: normal;\n  "
       "text-decoration: underline;"},
      {11, false, false, false, "font-size: 15px;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.points);
    CaptionFont font;
    font.name = QStringLiteral("Deja \"Vu\"");
    font.size = c.points;
    font.bold = c.bold;
    font.italic = c.italic;
    font.underline = c.underline;
    const QString css = SkinStylesheet(MadeSkin({ButtonState::Normal}, font), "nav", {1});
    EXPECT_TRUE(css.contains(QLatin1String(c.declarations))) << css.toStdString();
    EXPECT_TRUE(css.contains("font-family: \"Deja \\\"Vu\\\"\", sans-serif;"));
  }
}

}  // namespace
