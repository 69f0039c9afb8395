#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>

#include "ButtonSet.h"
#include "ButtonSize.h"
#include "DesignFixtures.h"
#include "ImageFiles.h"
#include "RandomDesign.h"
#include "TempDir.h"

namespace {

ButtonLook threeCaptions() {
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.CaptionSlots[0].setText(QStringLiteral("Home"));
  look.design.CaptionSlots[1].setText(QStringLiteral("About us"));
  look.design.CaptionSlots[2].setText(QStringLiteral("Contact"));
  return look;
}

TEST(ButtonSet, WritesEveryCaptionStateAndScaleAndSizesThemUniformlyOnRequest) {
  const ButtonLook look = threeCaptions();
  for (bool uniform : {false, true}) {
    SCOPED_TRACE(uniform ? "uniform" : "each its own size");
    TempDir dir;
    ButtonSetOptions options;
    options.folder = dir.root();
    options.prefix = QStringLiteral("nav");
    options.uniform = uniform;
    QString error;
    ASSERT_TRUE(ExportButtonSet(look, SlotCaptions(look.design), options, &error))
        << error.toStdString();

    QStringList expected;
    for (int i = 1; i <= 3; ++i) {
      for (const char* state : {"", "-hover", "-pressed", "-disabled"}) {
        expected << QStringLiteral("nav%1%2.png").arg(i).arg(QLatin1String(state))
                 << QStringLiteral("nav%1%2@2x.png").arg(i).arg(QLatin1String(state));
      }
    }
    expected.sort();
    EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files, QDir::Name), expected);

    QSize largest(0, 0);
    QSet<int> widths;
    for (int i = 1; i <= 3; ++i) {
      const QImage normal = ReadPng(dir.path(QStringLiteral("nav%1.png").arg(i)));
      largest = largest.expandedTo(normal.size());
      widths << normal.width();
      for (const char* state : {"-hover", "-pressed", "-disabled"}) {
        const QString name = QStringLiteral("nav%1%2").arg(i).arg(QLatin1String(state));
        EXPECT_EQ(ReadPng(dir.path(name + ".png")).size(), normal.size()) << name.toStdString();
        EXPECT_EQ(ReadPng(dir.path(name + "@2x.png")).size(), normal.size() * 2);
      }
      EXPECT_TRUE(ReadPng(dir.path(QStringLiteral("nav%1.png").arg(i))).hasAlphaChannel());
    }
    if (uniform) {
      EXPECT_EQ(widths.size(), 1) << "one size for the whole set";
      ButtonLook alone = look;
      alone.design.TextIndex = 1;  // "About us", the widest caption
      EXPECT_EQ(
          largest.width(),
          ButtonImageSize(alone.design, alone.font, CurrentSlotCaption(alone.design)).width());
    } else {
      EXPECT_EQ(widths.size(), 3) << "each caption its own width";
    }
  }
}

TEST(ButtonSet, RendersSlotBySlotAndStateByStateFromOneGenerator) {
  ButtonLook look = threeCaptions();
  look.design.Distortion = 60;
  TempDir dir;
  ButtonSetOptions options;
  options.folder = dir.root();
  options.states = {ButtonState::Disabled, ButtonState::Normal};
  options.scales = {1};
  SetRandomSeed(0);
  QString error;
  ASSERT_TRUE(ExportButtonSet(look, SlotCaptions(look.design), options, &error))
      << error.toStdString();
  EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files).size(), 6);

  // The same renders made one after another, in that order, from the same seed.
  SetRandomSeed(0);
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.setExtraImages(kTransparent);
  for (int slot = 0; slot < 3; ++slot) {
    for (ButtonState state : options.states) {
      ButtonDesign d = DesignForState(look.design, state, options.stateOptions);
      d.TextIndex = slot;
      renderer.RenderButton(d, look.font, CurrentSlotCaption(d));
      const QString file = QStringLiteral("button%1%2").arg(slot + 1).arg(SetImageEnding(state, 1));
      EXPECT_EQ(ReadPng(dir.path(file)), renderer.extraImages().transparent) << file.toStdString();
    }
  }
}

TEST(ButtonSet, AFailedWriteEndsTheSetAndNamesTheFile) {
  const ButtonLook look = threeCaptions();
  TempDir dir;
  ASSERT_TRUE(QDir(dir.root()).mkdir("button2-hover.png"));  // a folder where a file belongs
  ButtonSetOptions options;
  options.folder = dir.root();
  options.sheet = true;
  QString error;
  EXPECT_FALSE(ExportButtonSet(look, SlotCaptions(look.design), options, &error));
  EXPECT_TRUE(error.contains(dir.path("button2-hover.png"))) << error.toStdString();
  EXPECT_FALSE(QFile::exists(dir.path("button3.png"))) << "nothing after the failure";
  EXPECT_FALSE(QFile::exists(dir.path("button.html")));
  for (const QString& name : QDir(dir.root()).entryList(QDir::Files | QDir::Hidden)) {
    EXPECT_TRUE(name.endsWith(".png")) << "no half-written file: " << name.toStdString();
  }
}

TEST(ButtonSet, RefusesWhatCannotBeMadeBeforeWritingAnything) {
  const ButtonLook look = threeCaptions();
  const auto refused = [&](ButtonSetOptions options, const char* why) {
    TempDir dir;
    options.folder = options.folder.isNull() ? dir.root() : options.folder;
    QString error;
    EXPECT_FALSE(ExportButtonSet(look, SlotCaptions(look.design), options, &error)) << why;
    EXPECT_FALSE(error.isEmpty()) << why;
    EXPECT_TRUE(QDir(dir.root()).isEmpty()) << why;
  };
  ButtonSetOptions o;
  o.states = {};
  refused(o, "no state");
  o = {};
  o.states = {ButtonState::Hover, ButtonState::Hover};
  refused(o, "a state twice");
  o = {};
  o.scales = {3};
  refused(o, "scale 3");
  o = {};
  o.stateOptions.hoverLightness = 101;
  refused(o, "lightness 101");
  o = {};
  o.stateOptions.pressedShift = -1;
  refused(o, "shift -1");
  o = {};
  o.scales = {2, 2};
  refused(o, "scale 2 twice");
  o = {};
  o.folder = QStringLiteral("/no/such/folder");
  refused(o, "no folder");
  o = {};
  o.prefix = QString();
  refused(o, "no prefix: hidden .css and .html files");
  o = {};
  o.prefix = QStringLiteral("sub/nav");
  refused(o, "a prefix that names another folder");
  // The same reasons, without rendering anything.
  TempDir dir;
  o = {};
  o.folder = dir.root();
  QString error;
  EXPECT_TRUE(CheckSetOptions(o, &error)) << error.toStdString();
  o.prefix = QString();
  EXPECT_FALSE(CheckSetOptions(o, &error));
  EXPECT_TRUE(error.contains("prefix")) << error.toStdString();
}

// Names whose files would be one file, or whose buttons would have one class, are refused
// before anything is written; names that only look alike are not.
TEST(ButtonSet, RefusesNamesThatWouldMeetBeforeWritingAnything) {
  const auto named = [](QList<const char*> names) {
    QList<Caption> captions;
    for (const char* name : names)
      captions << Caption{QStringLiteral("Go"), QString::fromUtf8(name)};
    return captions;
  };
  const struct {
    const char* what;
    QList<Caption> captions;
    bool sheet;
    QList<int> scales;
    const char* says;  // nullptr: the set is written
  } cases[] = {
      {"the sprite sheet's name", named({"home", "sheet"}), true, {1}, "nav-sheet.png"},
      {"the 2x sheet's name", named({"sheet@2x"}), true, {1, 2}, "nav-sheet@2x.png"},
      {"another caption's hover image",
       named({"home", "home-hover"}),
       false,
       {1},
       "nav-home-hover.png"},
      {"another caption's 2x image", named({"home", "home@2x"}), false, {1, 2}, "nav-home@2x.png"},
      {"a name twice but for case", named({"Home", "home"}), false, {1}, "case"},
      {"one letter composed two ways",
       named({"caf\u00e9", "cafe\u0301"}),
       false,
       {1},
       "composition"},
      {"a name longer than a file name",
       named({std::string(250, 'x').c_str()}),
       false,
       {1},
       "255 bytes"},
      {"the number of a caption without a name",
       {Caption{"Go"}, Caption{"Go"}, Caption{"Go", "2"}},
       true,
       {1},
       "nav-2"},
      {"names one class makes alike", named({"a b", "a_b"}), true, {1}, "nav-a_b"},
      {"no caption", {}, false, {1}, "at least one caption"},
      {"sheet without the sheets", named({"sheet"}), false, {1, 2}, nullptr},
      {"a number without the stylesheet", {Caption{"Go"}, Caption{"Go", "1"}}, false, {1}, nullptr},
      {"names that differ", named({"home", "homes", "Home page"}), true, {1}, nullptr},
  };
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.Antialias = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    ButtonSetOptions options;
    options.folder = dir.root();
    options.prefix = QStringLiteral("nav");
    options.states = {ButtonState::Normal, ButtonState::Hover};
    options.scales = c.scales;
    options.sheet = c.sheet;
    QString error;
    const bool written = ExportButtonSet(look, c.captions, options, &error);
    if (!c.says) {
      EXPECT_TRUE(written) << error.toStdString();
      continue;
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.says))) << error.toStdString();
    EXPECT_EQ(error, SetFilesProblem(options, c.captions));
    EXPECT_TRUE(QDir(dir.root()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
  }
}

}  // namespace
