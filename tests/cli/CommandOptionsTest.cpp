#include <gtest/gtest.h>

#include <QString>

#include "CommandOptions.h"
#include "QtChatter.h"
#include "Skin.h"
#include "TempDir.h"

namespace {

ParsedCommandLine parse(QStringList arguments) {
  arguments.prepend(QStringLiteral("tessaro-render"));
  return ParseCommandLine(arguments);
}

TEST(CommandOptions, RefusesBadValuesWithAClearMessage) {
  const struct {
    QStringList arguments;
    const char* says;
  } cases[] = {
      {{"--set", "out", "--states", "normal,glowing"}, "glowing"},
      {{"--set", "out", "--states", "hover,hover"}, "hover"},
      {{"--set", "out", "--scales", "1,3"}, "--scales"},
      {{"--set", "out", "--scales", "2,2"}, "--scales"},
      {{"--set", "out", "--hover-lightness", "101"}, "--hover-lightness"},
      {{"--set", "out", "--hover-lightness", "-1"}, "--hover-lightness"},
      {{"--set", "out", "--pressed-shift", "21"}, "--pressed-shift"},
      {{"--set", "out", "--pressed-shift", "x"}, "--pressed-shift"},
      {{"--set", "out", "--state-design", "glow=a.kq"}, "glow=a.kq"},
      {{"--set", "out", "--state-design", "hover="}, "hover="},
      {{"--set", "out", "--state-design", "hover=a.kq", "--state-design", "hover=b.kq"}, "twice"},
      {{"-o", "b.png", "--state", "active"}, "active"},
      {{"-o", "b.png", "--scale", "3"}, "--scale"},
      {{"-o", "b.jpg", "--transparent"}, ".png"},
      {{"-o", "b.gif"}, "b.gif"},
      {{"--bogus"}, "bogus"},
      {{"--skin", "out", "--skin-size", "120"}, "--skin-size"},
      {{"--skin", "out", "--skin-size", "0x30"}, "--skin-size"},
      {{"--skin", "out", "--skin-size", "-5x30"}, "--skin-size"},
      {{"--skin", "out", "--skin-outputs", "web,pdf"}, "pdf"},
      {{"--skin", "out", "--skin-outputs", "json,json"}, "json"},
      {{"--skin", "out", "--prefix", ""}, "prefix is empty"},
      {{"--skin", "out", "--prefix", "a/b"}, "names a folder"},
      {{"--skin-size", "60x20"}, "goes with --skin"},
      {{"--skin-outputs", "web"}, "goes with --skin"},
  };
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = parse(c.arguments);
    EXPECT_EQ(parsed.action, ParsedCommandLine::Action::Refuse) << c.says;
    EXPECT_TRUE(parsed.text.contains(QLatin1String(c.says))) << parsed.text.toStdString();
  }
}

TEST(CommandOptions, ReadsASetAndTheStateOfOneButton) {
  ParsedCommandLine parsed =
      parse({"nav.kq", "--set", "out", "--prefix", "nav", "--states", "hover,normal", "--scales",
             "2", "--uniform", "--hover-lightness", "40", "--pressed-shift", "2", "--state-design",
             "disabled=grey.kq"});
  ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Run) << parsed.text.toStdString();
  const CommandOptions& o = parsed.options;
  EXPECT_EQ(o.designPath, "nav.kq");
  EXPECT_EQ(o.setFolder, "out");
  EXPECT_TRUE(o.outputPath.isEmpty()) << "no button.png beside a set";
  EXPECT_EQ(o.prefix, "nav");
  EXPECT_EQ(o.setStates, (QList<ButtonState>{ButtonState::Hover, ButtonState::Normal}));
  EXPECT_EQ(o.setScales, QList<int>{2});
  EXPECT_TRUE(o.uniform);
  EXPECT_EQ(o.stateOptions.hoverLightness, 40);
  EXPECT_EQ(o.stateOptions.pressedShift, 2);
  ASSERT_EQ(o.stateDesigns.size(), 1);
  EXPECT_EQ(o.stateDesigns[0].first, ButtonState::Disabled);
  EXPECT_EQ(o.stateDesigns[0].second, "grey.kq");

  parsed = parse({"-o", "b.png", "--transparent", "--state", "pressed", "--scale", "2"});
  ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Run);
  EXPECT_TRUE(parsed.options.transparent);
  EXPECT_EQ(parsed.options.state, ButtonState::Pressed);
  EXPECT_EQ(parsed.options.scale, 2);
  EXPECT_EQ(parsed.options.setStates, kAllStates) << "the defaults";
  EXPECT_EQ(parsed.options.setScales, (QList<int>{1, 2}));
}

TEST(CommandOptions, ReadsASkin) {
  ParsedCommandLine parsed =
      parse({"nav.kq", "--skin", "out", "--prefix", "nav", "--states", "pressed,normal", "--scales",
             "2", "--skin-size", "120x30", "--skin-outputs", "json, nine-patch"});
  ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Run) << parsed.text.toStdString();
  const CommandOptions& o = parsed.options;
  EXPECT_EQ(o.skinFolder, "out");
  EXPECT_TRUE(o.outputPath.isEmpty()) << "no button.png beside a skin";
  EXPECT_EQ(o.setStates, (QList<ButtonState>{ButtonState::Pressed, ButtonState::Normal}));
  EXPECT_EQ(o.setScales, QList<int>{2});
  EXPECT_EQ(o.skinSize, QSize(120, 30));
  EXPECT_EQ(o.skinOutputs, kSkinJson | kSkinNinePatch);

  parsed = parse({"--skin", "out"});
  ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Run);
  EXPECT_FALSE(parsed.options.skinSize.isValid()) << "the button's own size";
  EXPECT_EQ(parsed.options.skinOutputs, kAllSkinOutputs);
}

// "--set" takes a folder unless the next argument is another option or the design file
// itself; the choices the command line gives are marked, the rest come from the design.
TEST(CommandOptions, SetFolderIsOptionalAndGivenChoicesOverrideTheDesigns) {
  TempDir dir;
  TempDir::write(dir.path("nav.tessaro"), "{\"tessaro\": 1}");
  const QString design = dir.path("nav.tessaro");
  const struct {
    QStringList arguments;
    const char* folder;
  } cases[] = {
      {{design, "--set"}, ""},
      {{"--set", design}, ""},
      {{design, "--set", "--sheet"}, ""},
      {{design, "--set=", "-o", "b.png"}, ""},
      {{design, "--set", "web"}, "web"},
      {{"--set=web", design}, "web"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    const ParsedCommandLine parsed = parse(c.arguments);
    ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Run) << parsed.text.toStdString();
    EXPECT_TRUE(parsed.options.set);
    EXPECT_EQ(parsed.options.setFolder, QString::fromLatin1(c.folder));
    EXPECT_EQ(parsed.options.designPath, design);
  }

  SetChoices choices;
  choices.folder = QStringLiteral("/site/web");
  choices.prefix = QStringLiteral("menu");
  choices.states = {ButtonState::Hover};
  choices.scales = {2};
  choices.uniform = true;
  choices.stateOptions = {60, 3};
  choices.stateDesigns = {{ButtonState::Hover, "/site/h.kq"}, {ButtonState::Pressed, "/site/p.kq"}};
  CommandOptions fromDesign = WithDesignChoices(parse({design, "--set"}).options, choices);
  EXPECT_EQ(fromDesign.setFolder, "/site/web");
  EXPECT_EQ(fromDesign.prefix, "menu");
  EXPECT_EQ(fromDesign.setStates, choices.states);
  EXPECT_EQ(fromDesign.setScales, choices.scales);
  EXPECT_TRUE(fromDesign.uniform);
  EXPECT_EQ(fromDesign.stateOptions, choices.stateOptions);
  EXPECT_EQ(fromDesign.stateDesigns.size(), 2);

  CommandOptions fromCommand = WithDesignChoices(
      parse({design, "--set", "out", "--prefix", "nav", "--states", "normal", "--scales", "1",
             "--hover-lightness", "10", "--pressed-shift", "0", "--state-design", "pressed=x.kq"})
          .options,
      choices);
  EXPECT_EQ(fromCommand.setFolder, "out");
  EXPECT_EQ(fromCommand.prefix, "nav");
  EXPECT_EQ(fromCommand.setStates, QList<ButtonState>{ButtonState::Normal});
  EXPECT_EQ(fromCommand.setScales, QList<int>{1});
  EXPECT_EQ(fromCommand.stateOptions, (StateOptions{10, 0}));
  const QList<QPair<ButtonState, QString>> designs = {{ButtonState::Hover, "/site/h.kq"},
                                                      {ButtonState::Pressed, "x.kq"}};
  EXPECT_EQ(fromCommand.stateDesigns, designs);
}

TEST(QtChatter, DropsQtsOwnNotesAndKeepsRealWarnings) {
  const struct {
    QtMsgType type;
    const char* category;
    const char* text;
    bool chatter;
  } cases[] = {
      {QtWarningMsg, "default", "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp'",
       true},
      {QtWarningMsg, "qt.qpa.fonts", "Populating font family aliases took 120 ms", true},
      {QtWarningMsg, "default", "  OpenType support missing for \"DejaVu Sans\", script 11", true},
      {QtInfoMsg, "default", "anything", true},
      {QtDebugMsg, "default", "anything", true},
      {QtWarningMsg, "default", "QImage::pixel: coordinate (3,4) out of range", false},
      {QtWarningMsg, nullptr, "libpng warning: iCCP: known incorrect sRGB profile", false},
      {QtCriticalMsg, "qt.core", "something failed", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsQtChatter(c.type, c.category, QString::fromLatin1(c.text)), c.chatter) << c.text;
  }
}

}  // namespace
