#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>
#include <cstring>

#include "DesignConversion.h"
#include "DesignDocument.h"
#include "DesignFile.h"
#include "RandomDesign.h"
#include "RecordingDesignHost.h"
#include "TempDir.h"

namespace {

const QString kFolder = QStringLiteral("/docs/site");

std::string Str(const QString& s) {
  return s.toStdString();
}

Design Decoded(const QByteArray& json, QStringList* warnings = nullptr) {
  Design d;
  QString error;
  EXPECT_TRUE(DecodeDesignDocument(json, kFolder, &d, &error, warnings)) << Str(error);
  return d;
}

// Everything a document holds beyond the look's defaults, in its written form.
TEST(DesignDocument, WritesEveryPartInItsFixedForm) {
  Design d;
  d.record.ShapeKind = kRoundedRectangle;
  d.record.FillKind = 9;
  d.record.Antialias = 0;
  d.record.TextureStretch = 2;
  d.record.Colour2 = 0xFF00000F;
  d.record.PlasmaColour = 0x80123456;
  d.record.ButtonWidth = -7;
  d.record.Padding[1] = 0xAB;
  SetTexture(d, QStringLiteral("/docs/site/textures/marble.jpg"));
  d.font = CaptionFont{QStringLiteral("DejaVu Sans"), 11, false, true, false, true};
  d.captions = {Caption{QStringLiteral("Home")},
                Caption{QStringLiteral("Über \"uns\"\nZweite"), QStringLiteral("about"),
                        QStringLiteral("/about?a=1&b=2")}};
  d.current = 1;
  d.set.folder = QStringLiteral("/docs/site/web");
  d.set.prefix = QStringLiteral("nav");
  d.set.states = {ButtonState::Normal, ButtonState::Hover};
  d.set.scales = {2};
  d.set.sheet = true;
  d.set.stateOptions.pressedShift = 3;
  d.set.stateDesigns[ButtonState::Hover] = QStringLiteral("/elsewhere/hover.kq");
  d.record.LastTextIndex = 5;

  const QByteArray expected = R"({
  "tessaro": 1,
  "autoSize": true,
  "buttonWidth": -7,
  "buttonHeight": 20,
  "borderWidth": 18,
  "borderHeight": 8,
  "antialias": false,
  "shape": "rounded-rectangle",
  "fill": 9,
  "fillDirection": 0,
  "colour1": "#147850",
  "colour2": "system:15",
  "plasmaColour": "raw:0x80123456",
  "backColour": "#FFFFFF",
  "surfaceColour": "#000000",
  "distortion": 0,
  "texture": "textures/marble.jpg",
  "textureStretch": 2,
  "textureBrightness": 50,
  "bevelSize": 3,
  "highlightColour": "#FFFFFF",
  "shadowColour": "#000000",
  "outlineSize": 1,
  "outlineColour": "#000000",
  "textColour": "#FFFFFF",
  "textOffsetX": 0,
  "textOffsetY": 0,
  "font": {
    "family": "DejaVu Sans",
    "size": 11,
    "bold": false,
    "italic": true,
    "underline": false,
    "strikeout": true
  },
  "captions": [
    {
      "text": "Home"
    },
    {
      "text": "Über \"uns\"\nZweite",
      "name": "about",
      "link": "/about?a=1&b=2"
    }
  ],
  "currentCaption": 1,
  "set": {
    "folder": "web",
    "prefix": "nav",
    "states": ["normal", "hover"],
    "scales": [2],
    "uniform": false,
    "sheet": true,
    "hoverLightness": 25,
    "pressedShift": 3,
    "stateDesigns": {
      "hover": "/elsewhere/hover.kq"
    }
  },
  "kq": {
    "lastTextIndex": 5,
    "padding": "00ab"
  }
}
)";
  const QByteArray written = EncodeDesignDocument(d, kFolder);
  EXPECT_EQ(Str(QString::fromUtf8(written)), Str(QString::fromUtf8(expected)));
  EXPECT_EQ(Decoded(written), d);
}

// The stored forms of colours, flags and kinds, and numbers the editor's boxes would clamp:
// each is written in its form and read back to the same value.
TEST(DesignDocument, KeepsEveryStoredValueOfAField) {
  struct Row {
    const char* line;
    void (*set)(ButtonDesign&);
  } rows[] = {
      {R"("colour1": "#0A0B0C")", [](ButtonDesign& r) { r.Colour1 = MakeColour(10, 11, 12); }},
      {R"("textColour": "system:255")", [](ButtonDesign& r) { r.TextColour = 0xFF0000FF; }},
      {R"("backColour": "raw:0xFF000100")", [](ButtonDesign& r) { r.BackColour = 0xFF000100; }},
      {R"("backColour": "raw:0x01000000")", [](ButtonDesign& r) { r.BackColour = 0x01000000; }},
      {R"("autoSize": false)", [](ButtonDesign& r) { r.AutoSize = 0; }},
      {R"("antialias": 255)", [](ButtonDesign& r) { r.Antialias = 255; }},
      {R"("shape": "ellipse")", [](ButtonDesign& r) { r.ShapeKind = kEllipse; }},
      {R"("shape": 6)", [](ButtonDesign& r) { r.ShapeKind = 6; }},
      {R"("fill": "plasma2")", [](ButtonDesign& r) { r.FillKind = kPlasma2; }},
      {R"("fill": "single-colour")", [](ButtonDesign& r) { r.FillKind = kSingleColour; }},
      {R"("fill": 5)", [](ButtonDesign& r) { r.FillKind = 5; }},
      {R"("buttonWidth": 5000)", [](ButtonDesign& r) { r.ButtonWidth = 5000; }},
      {R"("fillDirection": -2147483648)", [](ButtonDesign& r) { r.FillDirection = INT32_MIN; }},
      {R"("textureBrightness": 255)", [](ButtonDesign& r) { r.TextureBrightness = 255; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Design d;
    row.set(d.record);
    const QByteArray written = EncodeDesignDocument(d, kFolder);
    EXPECT_TRUE(written.contains(QByteArray("\n  ") + row.line + ",\n")) << written.constData();
    EXPECT_EQ(Decoded(written), d);
    // Read from a document of that line alone, too.
    EXPECT_EQ(Decoded(QByteArray("{\"tessaro\": 1, ") + row.line + "}"), d);
  }
}

TEST(DesignDocument, MissingKeysTakeTheValuesOfANewDesign) {
  Design expected;
  expected.captions = {Caption{QStringLiteral("Главная")}};
  EXPECT_EQ(Decoded(R"({"tessaro": 1, "captions": [{"text": "Главная"}]})"), expected);
  EXPECT_EQ(Decoded(R"({"tessaro": 1})"), Design{});
  // A byte order mark and CR line breaks are read as well; CR and CR LF inside a caption
  // are line breaks.
  expected.captions = {Caption{QStringLiteral("a\nb\nc")}};
  EXPECT_EQ(
      Decoded("\xEF\xBB\xBF{\"tessaro\": 1,\r\n\"captions\": [{\"text\": \"a\\r\\nb\\rc\"}]}"),
      expected);
}

// Below the document's folder a path is written relative to it; elsewhere absolute. Read
// back, every path is absolute and clean.
TEST(DesignDocument, PathsBelowTheDocumentsFolderAreRelative) {
  struct Row {
    const char* inMemory;
    const char* written;
  } rows[] = {
      {"/docs/site/tex/marble.jpg", "tex/marble.jpg"}, {"/docs/site", "."},
      {"/docs/other/a.jpg", "/docs/other/a.jpg"},      {"/docs/site-2/a.jpg", "/docs/site-2/a.jpg"},
      {"/docs/site/../x.jpg", "/docs/x.jpg"},          {"", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.inMemory);
    Design d;
    SetTexture(d, QString::fromUtf8(row.inMemory));
    d.set.folder = QString::fromUtf8(row.inMemory);
    if (*row.inMemory) d.set.stateDesigns[ButtonState::Pressed] = QString::fromUtf8(row.inMemory);
    const QString written = QString::fromUtf8(EncodeDesignDocument(d, kFolder));
    const QString quoted = QStringLiteral("\"%1\"").arg(QString::fromUtf8(row.written));
    EXPECT_TRUE(written.contains(QStringLiteral("\"texture\": ") + quoted)) << Str(written);
    EXPECT_TRUE(written.contains(QStringLiteral("\"folder\": ") + quoted));
    if (*row.inMemory) {
      EXPECT_TRUE(written.contains(QStringLiteral("\"pressed\": ") + quoted));
    }
    const Design back = Decoded(written.toUtf8());
    const QString clean = *row.inMemory ? QDir::cleanPath(QString::fromUtf8(row.inMemory)) : "";
    EXPECT_EQ(back.texture, clean);
    EXPECT_EQ(back.record.TextureFile.text(), clean);
    EXPECT_EQ(back.set.folder, clean);
  }
  // Relative paths of a document are taken from its folder.
  const Design read =
      Decoded(R"({"tessaro": 1, "texture": "../textures/a.jpg", "set": {"folder": "out/./web/"}})");
  EXPECT_EQ(read.texture, "/docs/textures/a.jpg");
  EXPECT_EQ(read.set.folder, "/docs/site/out/web");
}

// What the record keeps that Tessaro never reads goes into "kq" only when it differs from a
// new design's.
TEST(DesignDocument, KeepsTheRecordsUnreadBytesOnlyWhenTheyDiffer) {
  EXPECT_FALSE(EncodeDesignDocument(Design{}, kFolder).contains("\"kq\""));
  Design d;
  d.record.ReservedFlag = 0;
  d.record.Caption.setBytes("Old \xE9");
  d.record.ReservedBlock[257] = 0x01;
  const QByteArray written = EncodeDesignDocument(d, kFolder);
  EXPECT_TRUE(written.contains(R"("reservedFlag": 0)"));
  EXPECT_TRUE(written.contains(R"("storedCaption": "Old é")"));
  EXPECT_TRUE(written.contains("\"reservedBlock\": \"" + QByteArray(514, '0') + "01\""));
  EXPECT_FALSE(written.contains("lastTextIndex"));
  EXPECT_EQ(Decoded(written), d);
}

struct BadDocument {
  const char* what;
  QByteArray json;
  const char* message;  // the start of the message, which names the place
};

QByteArray WithCaptions(int count) {
  QByteArray json = R"({"tessaro": 1, "captions": [)";
  for (int i = 0; i < count; ++i)
    json += i ? R"(, {"text": "x"})" : R"({"text": "x"})";
  return json + "]}";
}

TEST(DesignDocument, RefusesBadDocumentsNamingThePlaceAndChangesNothing) {
  const BadDocument rows[] = {
      {"not JSON", "{\n  \"tessaro\": 1,\n  oops\n}",
       "Not a Tessaro design: not JSON (unterminated object at line 3, column 4)"},
      {"columns count characters", "{\"tessaro\": 1, \"texture\": \"\xD0\x96\"} x",
       "Not a Tessaro design: not JSON (garbage at the end of the document at line 1, column 32)"},
      {"text after the object", "{\"tessaro\": 1} x",
       "Not a Tessaro design: not JSON (garbage at the end of the document at line 1, column 16)"},
      {"not an object", "[1, 2]", "Not a Tessaro design: not a JSON object"},
      {"no format", R"({"autoSize": true})", "Not a Tessaro design: no \"tessaro\" format number"},
      {"newer format", R"({"tessaro": 2})",
       "Made by a newer Tessaro: format 2; this version reads format 1"},
      {"format as text", R"({"tessaro": "1"})", "tessaro: expected the format number 1"},
      {"format 0", R"({"tessaro": 0})", "tessaro: expected the format number 1"},
      {"invalid UTF-8", "{\"tessaro\": 1,\n\"captions\": [{\"text\": \"\xC3\x28\"}]}",
       "Not a Tessaro design: line 2 is not UTF-8 text"},
      {"overlong UTF-8", "{\"tessaro\": 1, \"texture\": \"\xC0\xAF\"}",
       "Not a Tessaro design: line 1 is not UTF-8 text"},
      {"a surrogate in UTF-8", "{\"tessaro\": 1, \"texture\": \"\xED\xA0\x80\"}",
       "Not a Tessaro design: line 1 is not UTF-8 text"},
      {"a lone surrogate escape", R"({"tessaro": 1, "captions": [{"text": "a\ud800"}]})",
       "captions[0].text: holds half a surrogate pair"},
      {"wrong type", R"({"tessaro": 1, "buttonWidth": "wide"})",
       "buttonWidth: expected a whole number -2147483648..2147483647"},
      {"beyond int32", R"({"tessaro": 1, "buttonWidth": 2147483648})",
       "buttonWidth: 2147483648 is outside -2147483648..2147483647"},
      {"not whole", R"({"tessaro": 1, "fillDirection": 1.5})", "fillDirection: expected a whole"},
      {"beyond a byte", R"({"tessaro": 1, "distortion": 256})",
       "distortion: 256 is outside 0..255"},
      {"negative byte", R"({"tessaro": 1, "textureBrightness": -1})",
       "textureBrightness: -1 is outside 0..255"},
      {"flag as text", R"({"tessaro": 1, "antialias": "yes"})",
       "antialias: expected true, false or a number 0..255"},
      {"unknown shape", R"({"tessaro": 1, "shape": "circle"})",
       "shape: unknown shape \"circle\" (rectangle, rounded-edges, hexagon, octagon, ellipse, "
       "rounded-rectangle, or a number 0..255)"},
      {"unknown fill", R"({"tessaro": 1, "fill": "Plasma"})", "fill: unknown fill \"Plasma\""},
      {"shape beyond a byte", R"({"tessaro": 1, "shape": 256})", "shape: 256 is outside 0..255"},
      {"short colour", R"({"tessaro": 1, "colour1": "#12345"})", "colour1: expected \"#RRGGBB\""},
      {"system colour 256", R"({"tessaro": 1, "colour2": "system:256"})", "colour2: expected"},
      {"colour as number", R"({"tessaro": 1, "shadowColour": 0})", "shadowColour: expected"},
      {"texture as number", R"({"tessaro": 1, "texture": 5})", "texture: expected a string"},
      {"font as array", R"({"tessaro": 1, "font": []})", "font: expected an object"},
      {"font size", R"({"tessaro": 1, "font": {"size": 3000000000}})",
       "font.size: 3000000000 is outside"},
      {"font style", R"({"tessaro": 1, "font": {"bold": 1}})", "font.bold: expected true or false"},
      {"font family", R"({"tessaro": 1, "font": {"family": null}})",
       "font.family: expected a string"},
      {"no captions", R"({"tessaro": 1, "captions": []})", "captions: a design needs a caption"},
      {"captions as object", R"({"tessaro": 1, "captions": {}})", "captions: expected an array"},
      {"caption as text", R"({"tessaro": 1, "captions": ["Home"]})",
       "captions[0]: expected an object"},
      {"caption text", R"({"tessaro": 1, "captions": [{"text": 5}]})",
       "captions[0].text: expected a string"},
      {"too many captions", WithCaptions(kMaxCaptions + 1),
       "captions: 10001 captions; a design holds at most 10000"},
      {"same name", R"({"tessaro": 1, "captions": [{"name": "x"}, {}, {"name": "x"}]})",
       "captions[2].name: \"x\" is the name of captions[0] too"},
      {"empty name", R"({"tessaro": 1, "captions": [{"name": ""}]})",
       "captions[0].name: a name cannot be empty"},
      {"dot", R"({"tessaro": 1, "captions": [{"name": "."}]})",
       "captions[0].name: \".\" names a folder"},
      {"dot dot", R"({"tessaro": 1, "captions": [{}, {"name": ".."}]})",
       "captions[1].name: \"..\" names a folder"},
      {"slash", R"({"tessaro": 1, "captions": [{"name": "a/b"}]})",
       "captions[0].name: a name cannot hold \"/\""},
      {"backslash", R"({"tessaro": 1, "captions": [{"name": "a\\b"}]})",
       "captions[0].name: a name cannot hold \"\\\""},
      {"control character", R"({"tessaro": 1, "captions": [{"name": "a\u0007"}]})",
       "captions[0].name: a name cannot hold the control character U+0007"},
      {"C1 control", R"({"tessaro": 1, "captions": [{"name": "a\u0085"}]})",
       "captions[0].name: a name cannot hold the control character U+0085"},
      {"link as number", R"({"tessaro": 1, "captions": [{"link": 1}]})",
       "captions[0].link: expected a string"},
      {"current past the captions", R"({"tessaro": 1, "currentCaption": 1})",
       "currentCaption: 1 is outside 0..0"},
      {"current below", R"({"tessaro": 1, "captions": [{}, {}], "currentCaption": -1})",
       "currentCaption: -1 is outside 0..1"},
      {"set as text", R"({"tessaro": 1, "set": "web"})", "set: expected an object"},
      {"unknown state", R"({"tessaro": 1, "set": {"states": ["hover", "glow"]}})",
       "set.states[1]: unknown state \"glow\""},
      {"scale as text", R"({"tessaro": 1, "set": {"scales": [1, "2"]}})",
       "set.scales[1]: expected a whole number"},
      {"uniform as number", R"({"tessaro": 1, "set": {"uniform": 1}})",
       "set.uniform: expected true or false"},
      {"lightness beyond int32", R"({"tessaro": 1, "set": {"hoverLightness": 1e10}})",
       "set.hoverLightness: 10000000000 is outside"},
      {"state design of no state", R"({"tessaro": 1, "set": {"stateDesigns": {"shiny": "a.kq"}}})",
       "set.stateDesigns.shiny: unknown state \"shiny\""},
      {"state design without a path", R"({"tessaro": 1, "set": {"stateDesigns": {"hover": ""}}})",
       "set.stateDesigns.hover: expected the path of a design"},
      {"kq as array", R"({"tessaro": 1, "kq": []})", "kq: expected an object"},
      {"short reserved block", R"({"tessaro": 1, "kq": {"reservedBlock": "00"}})",
       "kq.reservedBlock: expected 258 bytes as 516 hexadecimal digits"},
      {"padding not hex", R"({"tessaro": 1, "kq": {"padding": "00zz"}})",
       "kq.padding: expected 2 bytes as 4 hexadecimal digits"},
      {"stored caption outside the code page", R"({"tessaro": 1, "kq": {"storedCaption": "日本"}})",
       "kq.storedCaption: holds characters outside Windows-1252"},
      {"reserved flag", R"({"tessaro": 1, "kq": {"reservedFlag": 300}})",
       "kq.reservedFlag: 300 is outside 0..255"},
  };
  Design before;
  before.captions = {Caption{QStringLiteral("Kept"), QStringLiteral("kept")}};
  before.record.BevelSize = 77;
  for (const BadDocument& row : rows) {
    SCOPED_TRACE(row.what);
    Design d = before;
    QString error;
    QStringList warnings;
    EXPECT_FALSE(DecodeDesignDocument(row.json, kFolder, &d, &error, &warnings));
    EXPECT_TRUE(error.startsWith(QString::fromUtf8(row.message))) << Str(error);
    EXPECT_EQ(d, before);
    EXPECT_TRUE(warnings.isEmpty());
  }
}

TEST(DesignDocument, IgnoresUnknownKeysNamingEach) {
  QStringList warnings;
  const Design d = Decoded(R"({"tessaro": 1, "glow": true, "bevelSize": 4,
      "font": {"family": "Arial", "weight": 700},
      "captions": [{"text": "a", "tooltip": "x"}, {"text": "b"}],
      "set": {"colour": "red"}, "kq": {"extra": 1}})",
                           &warnings);
  EXPECT_EQ(warnings,
            (QStringList{"glow: unknown key, ignored", "font.weight: unknown key, ignored",
                         "captions[0].tooltip: unknown key, ignored",
                         "set.colour: unknown key, ignored", "kq.extra: unknown key, ignored"}));
  EXPECT_EQ(d.record.BevelSize, 4);
  EXPECT_EQ(d.captions.size(), 2);
}

// ---------------------------------------------------------------------------------------
// A design file converted to a document and back

// The files of the design corpus that no Tessaro writes, and why.
const QMap<QString, const char*> kNotWrittenByTessaro = {
    {"all-ff.kq", "bytes past the strings' lengths and style bits 4..7 that no writer leaves"},
    {"empty.kq", "not a design file"},
    {"short-9312.kq", "not a design file"},
    {"default-edit-at-pump-1.kq", "a byte past the design file (it steers the fuzz target)"},
    {"default-edit-at-pump-40.kq", "a byte past the design file"},
    {"default-edit-at-pump-130.kq", "a byte past the design file"},
    {"default-edit-at-pump-255.kq", "a byte past the design file"},
    {"caption-length-0.kq", "an earlier caption's bytes past the slot's length"},
    {"TextIndex--1.kq", "TextIndex outside 0..31, which loading brings into range"},
    {"TextIndex-32.kq", "TextIndex outside 0..31"},
    {"TextIndex-4000.kq", "TextIndex outside 0..31"},
    {"TextIndex-INT_MAX.kq", "TextIndex outside 0..31"},
    {"TextIndex-INT_MIN.kq", "TextIndex outside 0..31"},
    {"captions-multiline.kq", "a lone LF and lone CRs; the caption memo writes CR LF"},
    {"captions-last-slot.kq", "a lone LF and lone CRs"},
    {"caption-length-255-CR.kq", "lone CRs"},
    {"caption-length-255-every-byte.kq", "a lone LF and a lone CR"},
    {"texture-jpg.kq",
     "a relative texture path; Browse stores absolute ones, and a document "
     "takes relative paths from its own folder"},
    {"texture-JPEG.kq", "a relative texture path"},
    {"texture-Dib.kq", "a relative texture path"},
    {"texture-png.kq", "a relative texture path"},
    {"texture-path-length-255.kq", "a relative texture path"},
    {"TextureStretch-6.kq", "a relative texture path"},
    {"TextureStretch-101.kq", "a relative texture path"},
    {"TextureStretch-255.kq", "a relative texture path"},
};

// .kq bytes -> design -> document -> design -> .kq bytes; the document written again from
// what was read is the same.
void ExpectRoundTrip(const QByteArray& file, const std::string& name) {
  SCOPED_TRACE(name);
  ButtonDesign record{};
  CaptionFont font;
  ASSERT_TRUE(DecodeDesignFile(file, record, font));
  const QByteArray document = EncodeDesignDocument(DesignOfRecord(record, font), kFolder);
  Design read;
  QString error;
  QStringList warnings;
  ASSERT_TRUE(DecodeDesignDocument(document, kFolder, &read, &error, &warnings)) << Str(error);
  EXPECT_TRUE(warnings.isEmpty());
  EXPECT_EQ(EncodeDesignDocument(read, kFolder), document);
  QStringList losses;
  const QByteArray back = EncodeDesignFile(RecordOfDesign(read, &losses), read.font);
  EXPECT_TRUE(losses.isEmpty()) << Str(losses.join(u'\n'));
  ASSERT_EQ(back.size(), file.size());
  for (qsizetype i = 0; i < file.size(); ++i)
    ASSERT_EQ(back[i], file[i]) << "first difference at byte " << i;
}

TEST(DesignDocument, DesignFilesComeBackByteForByte) {
  const QDir corpus(QStringLiteral(TESSARO_TESTDATA "/../../fuzz/corpus/design"));
  const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
  int tried = 0;
  for (const QString& name : files) {
    if (kNotWrittenByTessaro.contains(name)) continue;
    ExpectRoundTrip(TempDir::read(corpus.filePath(name)), Str(name));
    ++tried;
  }
  for (const QString& name : kNotWrittenByTessaro.keys())
    EXPECT_TRUE(files.contains(name)) << Str(name);
  EXPECT_GE(tried, 80);

  // Random looks on fresh records, with captions the memo could have written.
  const QStringList words = {"Home", "Über uns", "Café", "€ 5", "Kontakt", "", "A\r\nB"};
  TempDir dir;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    QRandomGenerator rng(seed);
    SetRandomSeed(seed * 2654435761u);
    ButtonDesign d{};
    CaptionFont f;
    ResetDesignFields(d, f);
    for (int slot = 0; slot < kCaptionSlotCount; ++slot) {
      if (rng.bounded(3) == 0) d.CaptionSlots[slot].setText(words[rng.bounded(words.size())]);
    }
    d.TextIndex = rng.bounded(kCaptionSlotCount);
    d.LastTextIndex = seed % 2 ? LastSlot(d) : 1;
    RecordingDesignHost host;
    MakeRandomDesign(d, f, host);
    const QString path = dir.path(QStringLiteral("random-%1.kq").arg(seed));
    QString error;
    ASSERT_TRUE(SaveDesign(path, d, f, &error)) << Str(error);
    ExpectRoundTrip(TempDir::read(path), "random design " + std::to_string(seed));
  }
}

}  // namespace
