#include <gtest/gtest.h>

#include <cstring>

#include "DesignConversion.h"
#include "DesignDocument.h"
#include "DesignFile.h"
#include "DesignFiles.h"
#include "RandomDesign.h"
#include "RecordingDesignHost.h"
#include "TempDir.h"

namespace {

std::string Str(const QString& s) {
  return s.toStdString();
}

Design Unicode() {
  Design d;
  d.captions = {Caption{QStringLiteral("Главная"), QStringLiteral("home"), QStringLiteral("/")},
                Caption{QStringLiteral("关于\n我们")}};
  d.current = 1;
  d.record.BevelSize = 6;
  return d;
}

// The kind a file is written and read as follows its ending, in any case; a file with
// another ending is read by what it holds.
TEST(DesignFiles, TheEndingChoosesTheKind) {
  TempDir dir;
  struct Row {
    const char* name;
    bool document;
  } rows[] = {{"a.tessaro", true}, {"b.TESSARO", true}, {"c.Tessaro", true},
              {"d.kq", false},     {"e.KQ", false},     {"f.design", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString path = dir.path(QString::fromLatin1(row.name));
    const Design d = Unicode();
    QString error;
    QStringList losses;
    ASSERT_TRUE(WriteDesign(path, d, &error, &losses)) << Str(error);
    const QByteArray bytes = TempDir::read(path);
    EXPECT_EQ(IsDesignDocumentPath(path), row.document);
    EXPECT_EQ(IsDesignDocumentFile(path), row.document);
    Design read;
    QStringList warnings;
    ASSERT_TRUE(ReadDesign(path, &read, &error, &warnings)) << Str(error);
    if (row.document) {
      EXPECT_TRUE(bytes.startsWith("{\n  \"tessaro\": 1,\n"));
      EXPECT_TRUE(losses.isEmpty());
      EXPECT_EQ(read, d);
    } else {
      EXPECT_EQ(bytes.size(), kDesignFileSize);
      EXPECT_FALSE(losses.isEmpty());
      EXPECT_EQ(read.captions[1].text, "??\n??");
      EXPECT_EQ(read.record.BevelSize, 6);
    }
  }
  // A document under another name is read as a document.
  const QString other = dir.path(QStringLiteral("g.json"));
  ASSERT_TRUE(TempDir::write(other, "\xEF\xBB\xBF\n {\"tessaro\": 1, \"bevelSize\": 2}"));
  Design read;
  QString error;
  ASSERT_TRUE(ReadDesign(other, &read, &error)) << Str(error);
  EXPECT_EQ(read.record.BevelSize, 2);
  EXPECT_TRUE(IsDesignDocumentFile(other));
  // Written as a document whatever its name, it reads back as one.
  const QString kept = dir.path(QStringLiteral("i.json"));
  ASSERT_TRUE(WriteDesignOfKind(kept, true, Unicode(), &error)) << Str(error);
  EXPECT_TRUE(IsDesignDocumentFile(kept));
  ASSERT_TRUE(ReadDesign(kept, &read, &error)) << Str(error);
  EXPECT_EQ(read, Unicode());
  EXPECT_FALSE(IsDesignDocumentFile(dir.path(QStringLiteral("missing.json"))));
  // And a document named .kq is not: the ending says what it must be.
  const QString named = dir.path(QStringLiteral("h.kq"));
  ASSERT_TRUE(TempDir::write(named, EncodeDesignDocument(Unicode(), dir.root())));
  EXPECT_FALSE(IsDesignDocumentFile(named));
  EXPECT_FALSE(ReadDesign(named, &read, &error));
  EXPECT_EQ(error, QStringLiteral("Invalid file \"%1\"").arg(named));
}

TEST(DesignFiles, AFailedWriteReportsThePath) {
  TempDir dir;
  for (const char* name : {"missing/a.tessaro", "missing/a.kq"}) {
    const QString path = dir.path(QString::fromLatin1(name));
    QString error;
    EXPECT_FALSE(WriteDesign(path, Design{}, &error));
    EXPECT_TRUE(error.contains(path)) << Str(error);
  }
}

// A load of either kind: what the host hears, and what the design is afterwards.
TEST(DesignFiles, LoadReportsWhatItCannotReadAndKeepsTheRest) {
  TempDir dir;
  const QString bad = dir.path(QStringLiteral("bad.tessaro"));
  TempDir::write(bad, R"({"tessaro": 1, "captions": [{"name": "a/b"}]})");
  const QString unknown = dir.path(QStringLiteral("unknown.tessaro"));
  TempDir::write(unknown, R"({"tessaro": 1, "bevelSize": 5, "glow": 1, "set": {"x": 0}})");
  const QString textured = dir.path(QStringLiteral("textured.tessaro"));
  TempDir::write(textured, R"({"tessaro": 1, "bevelSize": 5, "texture": "tex/marble.jpg"})");
  const QString shortFile = dir.path(QStringLiteral("short.kq"));
  TempDir::write(shortFile, QByteArray(kDesignFileSize - 1, '\0'));
  const QString large = dir.path(QStringLiteral("large.tessaro"));
  TempDir::write(large, "{\"tessaro\": 1}" + QByteArray(kMaxDesignDocumentBytes, ' '));
  const QString marble = dir.path(QStringLiteral("tex/marble.jpg"));

  struct Row {
    QString path;
    bool textureLoads;
    bool read;
    QStringList messages;
    QStringList warnings;
    QStringList texturesLoaded;
    int bevel;  // of the design afterwards: 3 is the default
  } rows[] = {
      {dir.path(QStringLiteral("missing.tessaro")),
       true,
       false,
       {QStringLiteral("Invalid file \"%1\"").arg(dir.path(QStringLiteral("missing.tessaro")))},
       {},
       {},
       3},
      {shortFile, true, false, {QStringLiteral("Invalid file \"%1\"").arg(shortFile)}, {}, {}, 3},
      {bad,
       true,
       false,
       {QStringLiteral("Invalid file \"%1\"\ncaptions[0].name: a name cannot hold \"/\"").arg(bad)},
       {},
       {},
       3},
      {large,
       true,
       false,
       {QStringLiteral("Invalid file \"%1\"\nA design document holds at most 16 MiB.").arg(large)},
       {},
       {},
       3},
      {unknown,
       true,
       true,
       {},
       {QStringLiteral("Ignored in \"%1\":\nglow: unknown key, ignored\nset.x: unknown key, "
                       "ignored")
            .arg(unknown)},
       {},
       5},
      {textured, true, true, {}, {}, {marble}, 5},
      {textured,
       false,
       true,
       {QStringLiteral("Couldnt find or open texturefile\"%1\"").arg(marble)},
       {},
       {marble},
       5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(Str(row.path));
    Design d = Unicode();
    RecordingDesignHost host;
    host.textureLoads = row.textureLoads;
    EXPECT_EQ(LoadDesign(row.path, d, host), row.read);
    EXPECT_EQ(host.messages, row.messages);
    EXPECT_EQ(host.warnings, row.warnings);
    EXPECT_EQ(host.texturesLoaded, row.texturesLoaded);
    EXPECT_EQ(d.record.BevelSize, row.bevel);
    EXPECT_EQ(host.renders, 1);
    if (!row.read) {
      EXPECT_EQ(d, Design{});  // the defaults
      EXPECT_EQ(host.textureClears, 1);
    }
    const bool kept = row.read && row.textureLoads && !row.texturesLoaded.isEmpty();
    EXPECT_EQ(d.texture, kept ? marble : QString());
    EXPECT_EQ(d.record.TextureFile.text(), d.texture);
  }
}

// Reading a file takes every byte of it; loading it as the editor does sets LastTextIndex by
// the last-slot rule, for either kind.
TEST(DesignFiles, LoadSetsTheLastTextIndexThatReadingKeeps) {
  TempDir dir;
  Design odd;
  odd.captions = {Caption{"a"}, Caption{"b"}};
  odd.record.LastTextIndex = 7;
  for (const char* name : {"odd.kq", "odd.tessaro"}) {
    SCOPED_TRACE(name);
    const QString path = dir.path(QString::fromLatin1(name));
    QString error;
    ASSERT_TRUE(WriteDesign(path, odd, &error)) << Str(error);
    Design read;
    ASSERT_TRUE(ReadDesign(path, &read, &error)) << Str(error);
    EXPECT_EQ(read.record.LastTextIndex, 7);
    Design loaded;
    RecordingDesignHost host;
    ASSERT_TRUE(LoadDesign(path, loaded, host));
    EXPECT_EQ(loaded.record.LastTextIndex, 1);
  }
}

TEST(DesignFiles, ResetGivesANewDesignAndKeepsTheReservedBytes) {
  Design d = Unicode();
  d.set.sheet = true;
  SetTexture(d, QStringLiteral("/t.jpg"));
  d.record.ReservedBlock[3] = 9;
  RecordingDesignHost host;
  ResetDesign(d, host);
  Design expected;
  expected.record.ReservedBlock[3] = 9;
  EXPECT_EQ(d, expected);
  EXPECT_EQ(host.textureClears, 1);
  EXPECT_EQ(host.syncs, 1);
  EXPECT_EQ(host.renders, 0);
}

// The random look of a whole design is the record's, draw for draw; the captions, the
// current caption and the set stay.
TEST(DesignFiles, RandomDesignChangesTheLookOnly) {
  for (std::uint32_t seed : {0u, 77u}) {
    Design d = Unicode();
    d.set.prefix = QStringLiteral("nav");
    SetTexture(d, QStringLiteral("/t.jpg"));
    ButtonDesign record = d.record;
    CaptionFont font = d.font;
    RecordingDesignHost host;
    SetRandomSeed(seed);
    MakeRandomDesign(record, font, host);
    const std::uint32_t after = RandomSeed();
    SetRandomSeed(seed);
    MakeRandomDesign(d, host);
    EXPECT_EQ(RandomSeed(), after);
    // LastTextIndex follows the design's captions, not the record's slots.
    EXPECT_EQ(d.record.LastTextIndex, 1);
    record.LastTextIndex = 1;
    EXPECT_EQ(std::memcmp(d.record.bytes().data(), record.bytes().data(), kDesignRecordSize), 0);
    EXPECT_EQ(d.font, font);
    EXPECT_EQ(d.captions, Unicode().captions);
    EXPECT_EQ(d.current, 1);
    EXPECT_EQ(d.set.prefix, "nav");
    EXPECT_TRUE(d.texture.isEmpty());
    EXPECT_EQ(host.textureClears, 2);
    EXPECT_EQ(host.syncs, 2);
  }
}

}  // namespace
