#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>

#include "CaptionText.h"
#include "DesignConversion.h"
#include "DesignFile.h"
#include "DesignFiles.h"
#include "DesignFixtures.h"
#include "TempDir.h"

namespace {

struct CommandRun {
  int exitCode;
  QString out, err;
};

CommandRun runCommand(const QStringList& args) {
  QProcess process;
  // Without XDG_RUNTIME_DIR Qt has something to say on every start; the command keeps it off
  // stderr.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(TESSARO_RENDER_EXE), args);
  EXPECT_TRUE(process.waitForFinished(60000));
  return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
          QString::fromLocal8Bit(process.readAllStandardError())};
}

QSize imageSize(const QString& path, const char* format) {
  QImageReader reader(path, format);
  reader.setDecideFormatFromContent(false);
  const QImage image = reader.read();
  return image.isNull() ? QSize() : image.size();
}

QSize defaultDesignSize() {
  const CaptionMetrics metrics(CaptionQFont(CaptionFont{}, 4));
  return QSize(static_cast<int>(metrics.width("Button Text") / 4 + 20),
               static_cast<int>(metrics.height() / 4 + 10));
}

QString writeDesign(const TempDir& dir, const QString& name, const ButtonDesign& d,
                    const CaptionFont& font = {}) {
  const QString path = dir.path(name);
  QString error;
  EXPECT_TRUE(SaveDesign(path, d, font, &error)) << error.toStdString();
  return path;
}

TEST(RenderCommand, RendersTheDefaultDesignInEveryFormat) {
  TempDir dir;
  const CommandRun png = runCommand({"-o", dir.path("b.png"), "--print-size"});
  ASSERT_EQ(png.exitCode, 0) << png.err.toStdString();
  EXPECT_EQ(png.err, "") << "nothing on stderr when all went well";
  const QSize size = defaultDesignSize();
  EXPECT_EQ(imageSize(dir.path("b.png"), "png"), size);
  EXPECT_TRUE(png.out.startsWith(QStringLiteral("(%1 x ").arg(size.width() - 20)));
  EXPECT_TRUE(png.out.contains(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));

  for (auto [name, format] : {std::pair{"b.jpg", "jpeg"}, {"b.JPEG", "jpeg"}, {"b.bmp", "bmp"}}) {
    const CommandRun run = runCommand({"-o", dir.path(name)});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(imageSize(dir.path(name), format), size) << name;
  }
}

TEST(RenderCommand, RendersADesignFile) {
  TempDir dir;
  ButtonDesign d = WorkedExample();
  d.ShapeKind = kHexagon;
  d.Antialias = 0;
  const CommandRun run =
      runCommand({writeDesign(dir, "hex agon.kq", d), "-o", dir.path("h.bmp"), "--print-size"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, "(100 x 20)\n134 x 30\n");
  EXPECT_EQ(imageSize(dir.path("h.bmp"), "bmp"), QSize(134, 30));
}

TEST(RenderCommand, BadInputsFailWithoutWritingAnything) {
  TempDir dir;
  TempDir::write(dir.path("short.kq"), QByteArray(9312, '\0'));
  const CommandRun invalid = runCommand({dir.path("short.kq"), "-o", dir.path("x.png")});
  EXPECT_NE(invalid.exitCode, 0);
  EXPECT_TRUE(
      invalid.err.contains(QStringLiteral("Invalid file \"%1\"").arg(dir.path("short.kq"))));
  EXPECT_FALSE(QFile::exists(dir.path("x.png")));

  const CommandRun unwritable = runCommand({"-o", dir.path("no/such/folder/x.png")});
  EXPECT_NE(unwritable.exitCode, 0);
  EXPECT_TRUE(unwritable.err.contains("Cannot create file"));

  const CommandRun unknownType = runCommand({"-o", dir.path("x.gif")});
  EXPECT_EQ(unknownType.exitCode, 2);
  EXPECT_FALSE(QFile::exists(dir.path("x.gif")));

  ButtonDesign huge = WorkedExample();
  huge.OutlineSize = 100000;
  const CommandRun refused =
      runCommand({writeDesign(dir, "huge.kq", huge), "-o", dir.path("y.png")});
  EXPECT_NE(refused.exitCode, 0);
  EXPECT_TRUE(refused.err.contains("a render may use")) << refused.err.toStdString();
  EXPECT_FALSE(refused.err.contains("preview")) << "the command has no preview";
  EXPECT_FALSE(QFile::exists(dir.path("y.png")));

  // An existing output survives a failed run.
  TempDir::write(dir.path("keep.png"), "old");
  runCommand({dir.path("short.kq"), "-o", dir.path("keep.png")});
  EXPECT_EQ(TempDir::read(dir.path("keep.png")), "old");
}

TEST(RenderCommand, MissingTextureIsAWarning) {
  TempDir dir;
  ButtonDesign d = WorkedExample();
  d.FillKind = kTexture;
  d.TextureFile.setText(dir.path("gone.jpg"));
  const CommandRun run = runCommand({writeDesign(dir, "t.kq", d), "-o", dir.path("t.png")});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.err.contains(
      QStringLiteral("Couldnt find or open texturefile\"%1\"").arg(dir.path("gone.jpg"))));
  EXPECT_EQ(imageSize(dir.path("t.png"), "png"), QSize(120, 30));
}

TEST(RenderCommand, OneFilePerCaptionSlot) {
  TempDir dir;
  ButtonDesign d = DefaultDesign();
  d.CaptionSlots[0].setBytes("Home");
  d.CaptionSlots[2].setBytes("Contact\r\nus");
  QDir(dir.root()).mkdir("out");
  const CommandRun run = runCommand({writeDesign(dir, "three.kq", d), "--all-captions",
                                     dir.path("out"), "--prefix", "nav", "--type", "bmp"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(QDir(dir.path("out")).entryList(QDir::Files),
            (QStringList{"nav1.bmp", "nav2.bmp", "nav3.bmp"}));
  // The empty middle slot is a button without a caption, narrower than the others.
  EXPECT_LT(imageSize(dir.path("out/nav2.bmp"), "bmp").width(),
            imageSize(dir.path("out/nav1.bmp"), "bmp").width());

  const CommandRun missing = runCommand({"--all-captions", dir.path("nowhere")});
  EXPECT_NE(missing.exitCode, 0);
}

TEST(RenderCommand, WritesASetAndOneTransparentButton) {
  TempDir dir;
  ButtonDesign d = DefaultDesign();
  d.CaptionSlots[1].setBytes("Two");
  const QString design = writeDesign(dir, "two.kq", d);
  QDir(dir.root()).mkdir("set");
  const CommandRun set = runCommand(
      {design, "--set", dir.path("set"), "--states", "normal,hover", "--scales", "1", "--uniform"});
  ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
  EXPECT_EQ(QDir(dir.path("set")).entryList(QDir::Files),
            (QStringList{"button1-hover.png", "button1.png", "button2-hover.png", "button2.png"}));
  EXPECT_EQ(imageSize(dir.path("set/button2.png"), "png"),
            imageSize(dir.path("set/button1.png"), "png"));

  // A state design that cannot be read stops the command before anything is written.
  QDir(dir.root()).mkdir("none");
  const CommandRun unreadable =
      runCommand({design, "--set", dir.path("none"), "--state-design", "hover=" + dir.path("x"),
                  "-o", dir.path("none/b.png")});
  EXPECT_EQ(unreadable.exitCode, 1);
  EXPECT_TRUE(unreadable.err.contains("Invalid file")) << unreadable.err.toStdString();
  EXPECT_TRUE(QDir(dir.path("none")).isEmpty());
  // So does a set that cannot be written: without a prefix its page would be a hidden file.
  const CommandRun noPrefix = runCommand(
      {design, "--set", dir.path("none"), "--prefix", "", "--sheet", "-o", dir.path("none/b.png")});
  EXPECT_EQ(noPrefix.exitCode, 1);
  EXPECT_TRUE(noPrefix.err.contains("prefix")) << noPrefix.err.toStdString();
  EXPECT_TRUE(
      QDir(dir.path("none")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

  const CommandRun one = runCommand(
      {design, "-o", dir.path("t.png"), "--transparent", "--scale", "2", "--print-size"});
  ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
  QImageReader reader(dir.path("t.png"), "png");
  const QImage transparent = reader.read();
  EXPECT_EQ(transparent.size(), defaultDesignSize() * 2);
  EXPECT_TRUE(transparent.hasAlphaChannel());
  // The corner's 2 x 2 working pixels: three on the one-pixel rim, where the page shows,
  // and one of the outline.
  EXPECT_EQ(qAlpha(transparent.pixel(0, 0)), 255 / 4);
  EXPECT_TRUE(one.out.endsWith(
      QStringLiteral("%1 x %2\n").arg(transparent.width()).arg(transparent.height())));
}

TEST(RenderCommand, WritesASkinAndWarnsOfWhatStretches) {
  TempDir dir;
  QDir(dir.root()).mkdir("skin");
  const CommandRun skin =
      runCommand({"--skin", dir.path("skin"), "--prefix", "nav", "--states", "normal,pressed",
                  "--scales", "1", "--skin-outputs", "nine-patch,json", "--skin-size", "90x28"});
  ASSERT_EQ(skin.exitCode, 0) << skin.err.toStdString();
  // The default design's gradient changes along the button.
  EXPECT_EQ(skin.err, "tessaro-render: warning: the gradient stretches with the button\n");
  EXPECT_EQ(QDir(dir.path("skin")).entryList(QDir::Files),
            (QStringList{"nav-skin-pressed.9.png", "nav-skin-pressed.png", "nav-skin.9.png",
                         "nav-skin.json", "nav-skin.png"}));
  EXPECT_EQ(imageSize(dir.path("skin/nav-skin.png"), "png"), QSize(90, 28));
  EXPECT_EQ(imageSize(dir.path("skin/nav-skin.9.png"), "png"), QSize(92, 30));

  // Refused as the set's options are: 2 for the command line, 1 for what it names.
  const CommandRun badSize = runCommand({"--skin", dir.path("skin"), "--skin-size", "90"});
  EXPECT_EQ(badSize.exitCode, 2);
  const CommandRun noFolder = runCommand({"--skin", dir.path("nowhere")});
  EXPECT_EQ(noFolder.exitCode, 1);
  EXPECT_TRUE(noFolder.err.contains("is not a folder")) << noFolder.err.toStdString();
  QDir(dir.root()).mkdir("big");
  const CommandRun tooBig = runCommand({"--skin", dir.path("big"), "--skin-size", "900x30"});
  EXPECT_EQ(tooBig.exitCode, 1);
  EXPECT_TRUE(tooBig.err.contains("cannot be made 900 x 30")) << tooBig.err.toStdString();
  EXPECT_TRUE(QDir(dir.path("big")).isEmpty());
}

TEST(RenderCommand, RandomDesignStartsFromTheProgramsSeed) {
  TempDir dir;
  const CommandRun run =
      runCommand({"--random", "--save-design", dir.path("r.kq"), "-o", dir.path("r.png")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  ButtonDesign d{};
  CaptionFont font;
  ASSERT_TRUE(DecodeDesignFile(TempDir::read(dir.path("r.kq")), d, font));
  EXPECT_EQ(d.SurfaceColour, 0x08DB33u);
  EXPECT_EQ(d.Distortion, 27);
  EXPECT_EQ(d.PlasmaColour, 0xE95DC5u);
  EXPECT_EQ(font.size, 11);
  EXPECT_EQ(d.LastTextIndex, 0);
  EXPECT_TRUE(QFile::exists(dir.path("r.png")));
}

// The files of a folder, sorted by name.
QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// A design that a design file cannot hold: 40 captions, names, a link, Cyrillic.
Design Multilingual() {
  Design d;
  d.captions.clear();
  for (int i = 0; i < 40; ++i)
    d.captions << Caption{QStringLiteral("Item %1").arg(i + 1)};
  d.captions[0] = {QString::fromUtf8("Главная"), "home", "/"};
  d.captions[1].name = QStringLiteral("about");
  SetLastTextIndex(d);  // as a design loaded or edited has it
  return d;
}

// Saved as a design file, a design loses what the record cannot hold: the command writes it
// all the same and lists each loss on stderr, as the record's conversion names them; a
// document keeps everything and says nothing.
TEST(RenderCommand, SavingADesignFileWarnsOfWhatItCannotHold) {
  TempDir dir;
  const Design design = Multilingual();
  QString error;
  ASSERT_TRUE(WriteDesign(dir.path("nav.tessaro"), design, &error)) << error.toStdString();

  const CommandRun lossy = runCommand(
      {dir.path("nav.tessaro"), "--save-design", dir.path("nav.kq"), "-o", dir.path("b.png")});
  ASSERT_EQ(lossy.exitCode, 0) << lossy.err.toStdString();
  QStringList losses;
  const ButtonDesign record = RecordOfDesign(design, &losses);
  ASSERT_GE(losses.size(), 3);
  QStringList warnings = lossy.err.split(u'\n', Qt::SkipEmptyParts);
  EXPECT_EQ(warnings.size(), losses.size()) << lossy.err.toStdString();
  for (const QString& loss : losses) {
    EXPECT_TRUE(
        lossy.err.contains(QStringLiteral("tessaro-render: warning: %1 was written without %2\n")
                               .arg(dir.path("nav.kq"), loss)))
        << loss.toStdString();
  }
  EXPECT_EQ(TempDir::read(dir.path("nav.kq")), EncodeDesignFile(record, design.font));
  EXPECT_TRUE(QFile::exists(dir.path("b.png")));

  const CommandRun kept = runCommand({dir.path("nav.tessaro"), "--save-design",
                                      dir.path("copy.tessaro"), "-o", dir.path("c.png")});
  ASSERT_EQ(kept.exitCode, 0) << kept.err.toStdString();
  EXPECT_EQ(kept.err, "");
  EXPECT_EQ(TempDir::read(dir.path("copy.tessaro")), TempDir::read(dir.path("nav.tessaro")));
}

// Captions from CSV replace the design's, names and links with them; a malformed file is
// refused with its line and nothing is written.
TEST(RenderCommand, CaptionsFromCsvMakeTheSeriesAndTheSet) {
  TempDir dir;
  TempDir::write(dir.path("nav.csv"),
                 "name,text,link\r\n"
                 "home,Home,/\r\n"
                 ",\"Two\r\nlines\",\r\n"
                 "ru,\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xBD\xD0\xB0\xD1\x8F,/ru/\r\n");
  QDir(dir.root()).mkdir("all");
  QDir(dir.root()).mkdir("set");
  const CommandRun all = runCommand({"--captions", dir.path("nav.csv"), "--all-captions",
                                     dir.path("all"), "--prefix", "nav", "--type", "png"});
  ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
  EXPECT_EQ(FilesIn(dir.path("all")), (QStringList{"nav-home.png", "nav-ru.png", "nav2.png"}));
  // Two lines: the button is taller than one of a single line.
  EXPECT_GT(imageSize(dir.path("all/nav2.png"), "png").height(),
            imageSize(dir.path("all/nav-home.png"), "png").height());

  const CommandRun set =
      runCommand({"--captions", dir.path("nav.csv"), "--set", dir.path("set"), "--prefix", "nav",
                  "--states", "normal", "--scales", "1", "--sheet"});
  ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
  EXPECT_EQ(FilesIn(dir.path("set")), (QStringList{"nav-home.png", "nav-ru.png", "nav-sheet.png",
                                                   "nav.css", "nav.html", "nav2.png"}));
  const QString page = QString::fromUtf8(TempDir::read(dir.path("set/nav.html")));
  EXPECT_TRUE(page.contains(QString::fromUtf8("href=\"/ru/\" dir=\"auto\">Главная</a>")));

  TempDir::write(dir.path("bad.csv"), "text,name\nHome,home\n\"Open,x\n");
  QDir(dir.root()).mkdir("none");
  const CommandRun bad = runCommand({"--captions", dir.path("bad.csv"), "--all-captions",
                                     dir.path("none"), "-o", dir.path("none/b.png")});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_TRUE(bad.err.contains(dir.path("bad.csv") + ": line 3")) << bad.err.toStdString();
  EXPECT_TRUE(QDir(dir.path("none")).isEmpty());
}

// A design document's set is built with its own choices, the folder relative to the
// document; what the command line gives replaces the document's, state designs state by
// state.
TEST(RenderCommand, ADocumentsSetTakesItsChoicesAndTheCommandLineOverridesThem) {
  TempDir dir;
  QDir(dir.root()).mkpath("site/web");
  Design hover;
  hover.record.BorderWidth = 60;
  Design pressed;
  pressed.record.BorderHeight = 40;
  QString error;
  ASSERT_TRUE(WriteDesign(dir.path("site/hover.tessaro"), hover, &error));
  ASSERT_TRUE(WriteDesign(dir.path("site/pressed.kq"), pressed, &error));
  Design design;
  design.captions = {Caption{"Home", "home"}, Caption{"News"}};
  design.set.folder = dir.path("site/web");
  design.set.prefix = QStringLiteral("menu");
  design.set.states = {ButtonState::Normal, ButtonState::Hover};
  design.set.scales = {1};
  design.set.stateDesigns[ButtonState::Hover] = dir.path("site/hover.tessaro");
  ASSERT_TRUE(WriteDesign(dir.path("site/nav.tessaro"), design, &error)) << error.toStdString();
  EXPECT_TRUE(TempDir::read(dir.path("site/nav.tessaro")).contains("\"folder\": \"web\""));

  const CommandRun own = runCommand({dir.path("site/nav.tessaro"), "--set"});
  ASSERT_EQ(own.exitCode, 0) << own.err.toStdString();
  EXPECT_EQ(FilesIn(dir.path("site/web")),
            (QStringList{"menu-home-hover.png", "menu-home.png", "menu2-hover.png", "menu2.png"}));
  // The hover state's own design, 60 px of border where the normal look has 18.
  EXPECT_EQ(imageSize(dir.path("site/web/menu2-hover.png"), "png").width(),
            imageSize(dir.path("site/web/menu2.png"), "png").width() + 42);

  QDir(dir.root()).mkdir("out");
  const CommandRun overridden =
      runCommand({"--set", dir.path("out"), dir.path("site/nav.tessaro"), "--prefix", "x",
                  "--states", "hover,pressed", "--scales", "2", "--state-design",
                  "pressed=" + dir.path("site/pressed.kq")});
  ASSERT_EQ(overridden.exitCode, 0) << overridden.err.toStdString();
  EXPECT_EQ(FilesIn(dir.path("out")), (QStringList{"x-home-hover@2x.png", "x-home-pressed@2x.png",
                                                   "x2-hover@2x.png", "x2-pressed@2x.png"}));
  EXPECT_EQ(imageSize(dir.path("out/x2-hover@2x.png"), "png").width(),
            imageSize(dir.path("site/web/menu2-hover.png"), "png").width() * 2)
      << "the document's hover design stays";
  EXPECT_GT(imageSize(dir.path("out/x2-pressed@2x.png"), "png").height(),
            imageSize(dir.path("out/x2-hover@2x.png"), "png").height())
      << "the command line's pressed design";

  // A design file names no folder.
  ButtonDesign d = DefaultDesign();
  const CommandRun none = runCommand({writeDesign(dir, "plain.kq", d), "--set"});
  EXPECT_EQ(none.exitCode, 2);
  EXPECT_TRUE(none.err.contains("--set needs a folder")) << none.err.toStdString();
}

TEST(RenderCommand, HelpDocumentsEveryOption) {
  const CommandRun run = runCommand({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  for (const char* option :
       {"--output",        "--all-captions", "--prefix",      "--type",      "--random",
        "--save-design",   "--print-size",   "--transparent", "--state",     "--scale",
        "--set",           "--states",       "--scales",      "--uniform",   "--hover-lightness",
        "--pressed-shift", "--state-design", "--skin",        "--skin-size", "--skin-outputs",
        "--captions",      ".tessaro",       "DESIGN"}) {
    EXPECT_TRUE(run.out.contains(option)) << option;
  }
  const CommandRun version = runCommand({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "tessaro-render 1.02\n");
}

}  // namespace
