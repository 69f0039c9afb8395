#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include "ButtonSize.h"
#include "DesignFixtures.h"
#include "ForkedChild.h"
#include "ImageFiles.h"
#include "NinePatch.h"
#include "Skin.h"
#include "SkinJson.h"
#include "TempDir.h"

namespace {

// The default design with a single-colour surface: nothing in it stretches.
ButtonLook PlainLook() {
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.FillKind = kSingleColour;
  return look;
}

QStringList Files(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QMargins MarginsOf(const QJsonObject& o) {
  return QMargins(o["left"].toInt(), o["top"].toInt(), o["right"].toInt(), o["bottom"].toInt());
}

TEST(NinePatch, MarksReadBackToTheInsetsAndContentTheyWereWrittenFrom) {
  const struct {
    QSize size;
    QMargins stretch, content;
  } cases[] = {
      {{20, 10}, {4, 3, 5, 2}, {6, 2, 7, 3}},
      {{1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}},
      {{9, 30}, {8, 0, 0, 29}, {0, 29, 8, 0}},
      {{64, 64}, {31, 31, 32, 32}, {1, 1, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size.width());
    QImage image(c.size, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x)
        image.setPixel(x, y, qRgba(x * 7, y * 5, 200, (x + y) % 3 == 0 ? 0 : 255));
    }
    const QImage framed = NinePatchImage(image, c.stretch, c.content);
    ASSERT_EQ(framed.size(), c.size + QSize(2, 2));
    QString error;
    const std::optional<NinePatch> read = ReadNinePatch(framed, &error);
    ASSERT_TRUE(read.has_value()) << error.toStdString();
    EXPECT_EQ(read->stretch, c.stretch);
    EXPECT_EQ(read->content, c.content);
    EXPECT_EQ(read->image, image);
  }
}

TEST(NinePatch, RefusesFramesThatAreNotNinePatches) {
  const QImage good =
      NinePatchImage(QImage(10, 6, QImage::Format_ARGB32), {2, 2, 2, 2}, {3, 1, 3, 1});
  const struct {
    const char* what;
    QPoint at;
    QRgb colour;
    const char* says;
  } cases[] = {
      {"a second run on the top", {1, 0}, 0xFF000000u, "more than one run"},
      {"a grey mark on the left", {0, 3}, 0xFF808080u, "neither a mark nor transparent"},
      {"an opaque corner", {0, 0}, 0xFF000000u, "corner"},
      {"no mark on the right", {-1, -1}, 0, "no mark"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QImage bad = good;
    if (c.at.x() >= 0) {
      bad.setPixel(c.at, c.colour);
    } else {
      for (int y = 1; y <= 6; ++y)
        bad.setPixel(11, y, 0);
    }
    QString error;
    EXPECT_FALSE(ReadNinePatch(bad, &error).has_value());
    EXPECT_TRUE(error.contains(QLatin1String(c.says))) << error.toStdString();
  }
}

TEST(Skin, WarnsOfEachWayTheLookStretchesWithTheButton) {
  QImage texture(4, 4, QImage::Format_RGB32);
  texture.fill(Qt::red);
  const struct {
    const char* what;
    std::function<void(ButtonLook&)> change;
    QStringList warnings;
  } cases[] = {
      {"single colour", [](ButtonLook&) {}, {}},
      {"gradient",
       [](ButtonLook& l) { l.design.FillKind = kGradient; },
       {"the gradient stretches with the button"}},
      {"plasma",
       [](ButtonLook& l) { l.design.FillKind = kPlasma; },
       {"the plasma surface stretches with the button"}},
      {"plasma 2",
       [](ButtonLook& l) { l.design.FillKind = kPlasma2; },
       {"the plasma 2 surface stretches with the button"}},
      {"tiled texture",
       [&](ButtonLook& l) {
         l.design.FillKind = kTexture;
         l.design.TextureFile.setText("t.bmp");
         l.texture = texture;
       },
       {"the tiled texture stretches with the button"}},
      {"stretched texture",
       [&](ButtonLook& l) {
         l.design.FillKind = kTexture;
         l.design.TextureStretch = 1;
         l.design.TextureFile.setText("t.bmp");
         l.texture = texture;
       },
       {"the texture stretches with the button"}},
      {"texture not loaded: single colour",
       [](ButtonLook& l) {
         l.design.FillKind = kTexture;
         l.design.TextureFile.setText("t.bmp");
       },
       {}},
      {"noise",
       [](ButtonLook& l) { l.design.Distortion = 30; },
       {"the noise stretches with the button"}},
      {"distortion 1 changes no pixel", [](ButtonLook& l) { l.design.Distortion = 1; }, {}},
      {"ellipse",
       [](ButtonLook& l) { l.design.ShapeKind = kEllipse; },
       {"the ellipse's curve stretches with the button"}},
      {"plasma ellipse with noise",
       [](ButtonLook& l) {
         l.design.FillKind = kPlasma;
         l.design.ShapeKind = kEllipse;
         l.design.Distortion = 5;
       },
       {"the plasma surface stretches with the button", "the noise stretches with the button",
        "the ellipse's curve stretches with the button"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ButtonLook look = PlainLook();
    c.change(look);
    EXPECT_EQ(SkinStretchWarnings(look), c.warnings);
  }
}

TEST(Skin, RefusesOptionsThatCannotMakeOne) {
  const struct {
    const char* what;
    std::function<void(SkinOptions&)> change;
    const char* says;
  } cases[] = {
      {"no state", [](SkinOptions& o) { o.states.clear(); }, "at least one state"},
      {"a state twice",
       [](SkinOptions& o) {
         o.states = {ButtonState::Hover, ButtonState::Hover};
       },
       "twice"},
      {"scale 3",
       [](SkinOptions& o) {
         o.scales = {1, 3};
       },
       "scale 1, 2 or both"},
      {"scale 2 twice",
       [](SkinOptions& o) {
         o.scales = {2, 2};
       },
       "scale 1, 2 or both"},
      {"hover lightness", [](SkinOptions& o) { o.stateOptions.hoverLightness = 101; }, "0..100"},
      {"pressed shift", [](SkinOptions& o) { o.stateOptions.pressedShift = -1; }, "0..20"},
      {"empty prefix", [](SkinOptions& o) { o.prefix.clear(); }, "prefix is empty"},
      {"prefix with a folder", [](SkinOptions& o) { o.prefix = "../up"; }, "names a folder"},
      {"no output", [](SkinOptions& o) { o.outputs = 0; }, "No output"},
      {"a size of 0", [](SkinOptions& o) { o.size = QSize(0, 20); }, "at least 1 x 1"},
      {"a size beyond the renderer's clamp", [](SkinOptions& o) { o.size = QSize(900, 30); },
       "cannot be made 900 x 30"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    SkinOptions options;
    options.folder = dir.root();
    c.change(options);
    QString error;
    EXPECT_FALSE(ExportSkin(PlainLook(), SlotCaptions(PlainLook().design), 0, options, &error));
    EXPECT_TRUE(error.contains(QLatin1String(c.says))) << error.toStdString();
    EXPECT_EQ(Files(dir.root()), QStringList());
  }
}

TEST(Skin, WritesTheOutputsAskedFor) {
  const QStringList pngs = {"nav-skin-disabled.png", "nav-skin-disabled@2x.png",
                            "nav-skin-hover.png",    "nav-skin-hover@2x.png",
                            "nav-skin-pressed.png",  "nav-skin-pressed@2x.png",
                            "nav-skin.png",          "nav-skin@2x.png"};
  const QStringList patches = {"nav-skin-disabled.9.png", "nav-skin-disabled@2x.9.png",
                               "nav-skin-hover.9.png",    "nav-skin-hover@2x.9.png",
                               "nav-skin-pressed.9.png",  "nav-skin-pressed@2x.9.png",
                               "nav-skin.9.png",          "nav-skin@2x.9.png"};
  const QStringList imagine = {
      "button-background-disabled.9.png", "button-background-disabled@2x.9.png",
      "button-background-hovered.9.png",  "button-background-hovered@2x.9.png",
      "button-background-pressed.9.png",  "button-background-pressed@2x.9.png",
      "button-background.9.png",          "button-background@2x.9.png"};
  const struct {
    unsigned outputs;
    QStringList files, imagineFiles;
  } cases[] = {
      {kSkinWeb, pngs + QStringList{"nav-skin.css", "nav-skin.html"}, {}},
      {kSkinNinePatch, patches, {}},
      {kSkinImagine, {}, imagine},
      {kSkinJson, pngs + QStringList{"nav-skin.json"}, {}},
      {kAllSkinOutputs,
       pngs + patches + QStringList{"nav-skin.css", "nav-skin.html", "nav-skin.json"}, imagine},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.outputs);
    TempDir dir;
    SkinOptions options;
    options.folder = dir.root();
    options.prefix = "nav";
    options.outputs = c.outputs;
    QString error;
    ASSERT_TRUE(ExportSkin(PlainLook(), SlotCaptions(PlainLook().design), 0, options, &error))
        << error.toStdString();
    QStringList want = c.files;
    want.sort();
    EXPECT_EQ(Files(dir.root()), want);
    QStringList wantImagine = c.imagineFiles;
    wantImagine.sort();
    EXPECT_EQ(Files(dir.path("imagine")), wantImagine);
  }
}

// Every description of the skin tells the same insets: the nine-patch marks, the JSON and
// the images' sizes, at 1x and twice as much at 2x; and the same skin writes the same bytes.
TEST(Skin, NinePatchesAndJsonAgreeOnEveryStateAndScale) {
  TempDir dir;
  ButtonLook look = PlainLook();
  look.design.ShapeKind = kOctagon;
  SkinOptions options;
  options.folder = dir.root();
  options.states = {ButtonState::Pressed, ButtonState::Normal, ButtonState::Disabled};
  // The pressed state's own look has a wider bevel, insets of its own, and moves its
  // caption by its own offsets.
  ButtonLook pressed = look;
  pressed.design.BevelSize = 6;
  pressed.design.TextOffsetX = 2;
  pressed.design.TextOffsetY = 3;
  options.stateLooks[ButtonState::Pressed] = pressed;
  QString error;
  ASSERT_TRUE(ExportSkin(look, SlotCaptions(look.design), 0, options, &error))
      << error.toStdString();
  const QByteArray json = TempDir::read(dir.path("button-skin.json"));
  const QJsonObject root = QJsonDocument::fromJson(json).object();
  EXPECT_EQ(root["format"].toString(), "tessaro-skin");
  const QJsonArray states = root["states"].toArray();
  ASSERT_EQ(states.size(), 3);
  QMargins insetsOf[3];
  for (int s = 0; s < 3; ++s) {
    const QJsonObject state = states[s].toObject();
    EXPECT_EQ(state["state"].toString(), StateName(options.states[s]));
    const QJsonArray images = state["images"].toArray();
    ASSERT_EQ(images.size(), 2);
    for (int i = 0; i < 2; ++i) {
      const QJsonObject image = images[i].toObject();
      const int scale = image["scale"].toInt();
      ASSERT_EQ(scale, i + 1);
      SCOPED_TRACE(image["file"].toString().toStdString());
      const QImage png = ReadPng(dir.path(image["file"].toString()));
      EXPECT_EQ(png.size(), QSize(image["width"].toInt(), image["height"].toInt()));
      QString readError;
      const std::optional<NinePatch> patch = ReadNinePatch(
          ReadPng(dir.path(SkinNinePatchFileName("button", options.states[s], scale))), &readError);
      ASSERT_TRUE(patch.has_value()) << readError.toStdString();
      EXPECT_EQ(patch->image, png);
      EXPECT_EQ(patch->stretch, MarginsOf(image["insets"].toObject()));
      EXPECT_EQ(patch->content, MarginsOf(image["padding"].toObject()));
      if (scale == 1) insetsOf[s] = patch->stretch;
      if (scale == 2) {
        EXPECT_EQ(patch->stretch, insetsOf[s] * 2);
      }
      const bool moved = options.states[s] == ButtonState::Pressed;
      EXPECT_EQ(image["textShift"].toObject()["x"].toInt(), moved ? 2 * scale : 0);
      EXPECT_EQ(image["textShift"].toObject()["y"].toInt(), moved ? 3 * scale : 0);
      EXPECT_EQ(image["font"].toObject()["pixelSize"].toInt(), 19 * scale);
      EXPECT_TRUE(image["font"].toObject()["bold"].toBool());
      EXPECT_EQ(image["font"].toObject()["family"].toString(), "Arial");
    }
  }
  EXPECT_NE(insetsOf[0], insetsOf[1]) << "the pressed look's wider bevel";
  // The Imagine files are the nine-patches under their names.
  EXPECT_EQ(TempDir::read(dir.path("imagine/button-background-pressed@2x.9.png")),
            TempDir::read(dir.path("button-skin-pressed@2x.9.png")));
  EXPECT_EQ(TempDir::read(dir.path("imagine/button-background.9.png")),
            TempDir::read(dir.path("button-skin.9.png")));

  TempDir again;
  options.folder = again.root();
  ASSERT_TRUE(ExportSkin(look, SlotCaptions(look.design), 0, options, &error))
      << error.toStdString();
  EXPECT_EQ(TempDir::read(again.path("button-skin.json")), json);
}

TEST(Skin, TakesTheSizeAskedForOrTheButtonsOwn) {
  const ButtonLook look = PlainLook();
  SkinOptions options;
  Skin skin;
  QString error;
  ASSERT_TRUE(MakeSkin(look, CurrentSlotCaption(look.design), options, &skin, &error))
      << error.toStdString();
  const QSize own = ButtonImageSize(look.design, look.font, CurrentSlotCaption(look.design));
  EXPECT_EQ(skin.size, own);
  for (const SkinStateImage& state : skin.states) {
    EXPECT_EQ(state.oneX.size(), own);
    EXPECT_EQ(state.twoX.size(), own * 2);
  }
  options.size = QSize(60, 40);
  options.scales = {2};
  ASSERT_TRUE(MakeSkin(look, CurrentSlotCaption(look.design), options, &skin, &error))
      << error.toStdString();
  EXPECT_EQ(skin.size, QSize(60, 40));
  EXPECT_TRUE(skin.states[0].oneX.isNull());
  EXPECT_EQ(skin.states[0].twoX.size(), QSize(120, 80));
  EXPECT_EQ(skin.warnings, QStringList());
}

// A design too small for its bevel leaves no band that stretches: the skin grows to the
// smallest size that leaves one, and says so.
TEST(Skin, GrowsToTheSmallestSizeThatLeavesABand) {
  const struct {
    int shape, width, height, bevel;
    bool taller;
  } cases[] = {
      {kRectangle, 4, 4, 8, true},
      {kRoundedEdges, 2, 10, 5, false},
      {kHexagon, 1, 12, 4, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shape);
    ButtonLook look = PlainLook();
    look.design.ShapeKind = static_cast<std::uint8_t>(c.shape);
    look.design.AutoSize = 0;
    look.design.ButtonWidth = c.width;
    look.design.ButtonHeight = c.height;
    look.design.BorderWidth = 0;
    look.design.BorderHeight = 0;
    look.design.BevelSize = c.bevel;
    SkinOptions options;
    options.states = {ButtonState::Normal};
    Skin skin;
    QString error;
    ASSERT_TRUE(MakeSkin(look, CurrentSlotCaption(look.design), options, &skin, &error))
        << error.toStdString();
    const QSize own = ButtonImageSize(look.design, look.font, CurrentSlotCaption(look.design));
    const SkinInsets& insets = skin.states[0].insets;
    EXPECT_TRUE(insets.widthBand);
    EXPECT_EQ(insets.heightBand, c.taller);
    EXPECT_GT(skin.size.width(), own.width());
    EXPECT_EQ(skin.size.height() > own.height(), c.taller);
    EXPECT_TRUE(skin.warnings.last().contains(
        QStringLiteral("larger than %1 x %2").arg(own.width()).arg(own.height())));
    // One pixel narrower (or lower) leaves no band.
    for (const QSize smaller : {skin.size - QSize(1, 0), skin.size - QSize(0, 1)}) {
      if (smaller.height() < own.height()) continue;
      ButtonDesign d = look.design;
      d.currentSlot().setText(QString());
      if (!FixButtonSize(d, look.font, smaller)) continue;
      const std::optional<SkinInsets> less = SkinInsetsOf(d, look.font);
      ASSERT_TRUE(less.has_value());
      EXPECT_FALSE(less->widthBand && (!c.taller || less->heightBand))
          << smaller.width() << " x " << smaller.height();
    }
  }
}

// A full disk part-way through: every file is either as it was or complete.
TEST(Skin, AFailedWriteLeavesNoPartialFile) {
  TempDir made;
  SkinOptions options;
  options.folder = made.root();
  QString error;
  const ButtonLook look = PlainLook();
  ASSERT_TRUE(ExportSkin(look, SlotCaptions(look.design), 0, options, &error))
      << error.toStdString();

  TempDir dir;
  options.folder = dir.root();
  QDir(dir.root()).mkdir("imagine");
  QStringList names = Files(made.root());
  for (const QString& name : Files(made.path("imagine")))
    names << "imagine/" + name;
  for (const QString& name : names)
    ASSERT_TRUE(TempDir::write(dir.path(name), "old"));
  ChildLimits limits;
  limits.maxFileBytes = 800;
  const ChildOutcome outcome = RunInChild(
      [&] {
        QString childError;
        return ExportSkin(look, SlotCaptions(look.design), 0, options, &childError) ? 1 : 0;
      },
      limits);
  ASSERT_TRUE(outcome.exited) << "signal " << outcome.signal;
  EXPECT_EQ(outcome.code, 0) << "the export claimed success";
  int kept = 0;
  for (const QString& name : names) {
    const QByteArray now = TempDir::read(dir.path(name));
    if (now == "old") {
      ++kept;
    } else {
      EXPECT_EQ(now, TempDir::read(made.path(name))) << name.toStdString();
    }
  }
  EXPECT_GT(kept, 0);
  QStringList after = Files(dir.root());
  for (const QString& name : Files(dir.path("imagine")))
    after << "imagine/" + name;
  after.sort();
  names.sort();
  EXPECT_EQ(after, names) << "a temporary file was left behind";
}

// What a caller is told an export writes (to ask before replacing files) is what it writes,
// in every combination of outputs, states and scales.
TEST(Skin, WritesExactlyTheFilesItLists) {
  const struct {
    unsigned outputs;
    QList<ButtonState> states;
    QList<int> scales;
  } cases[] = {
      {kAllSkinOutputs, kAllStates, {1, 2}},
      {kSkinWeb, {ButtonState::Hover, ButtonState::Normal}, {2}},
      {kSkinImagine | kSkinJson, {ButtonState::Pressed, ButtonState::Disabled}, {1}},
      {kSkinNinePatch | kSkinImagine, {ButtonState::Disabled}, {2, 1}},
      {kSkinJson, {ButtonState::Normal}, {1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QStringLiteral("outputs %1, %2 states, %3 scales")
                     .arg(c.outputs)
                     .arg(c.states.size())
                     .arg(c.scales.size())
                     .toStdString());
    TempDir dir;
    SkinOptions options;
    options.folder = dir.root();
    options.prefix = "nav";
    options.outputs = c.outputs;
    options.states = c.states;
    options.scales = c.scales;
    QString error;
    ASSERT_TRUE(ExportSkin(PlainLook(), SlotCaptions(PlainLook().design), 0, options, &error))
        << error.toStdString();
    QStringList written = Files(dir.root());
    for (const QString& name : Files(dir.path("imagine")))
      written << "imagine/" + name;
    written.sort();
    QStringList listed;
    for (const SkinFile& file : SkinFiles(options))
      listed << file.name;
    EXPECT_EQ(listed.size(), QSet<QString>(listed.begin(), listed.end()).size()) << "twice";
    listed.sort();
    EXPECT_EQ(listed, written);
  }
}

}  // namespace
