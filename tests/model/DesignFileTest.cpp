#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <algorithm>
#include <cstring>

#include "DesignFile.h"
#include "RecordingDesignHost.h"
#include "TempDir.h"

namespace {

ButtonDesign defaults(CaptionFont& font) {
  ButtonDesign d{};
  ResetDesignFields(d, font);
  return d;
}

// A record whose every byte is arbitrary, except the fields with a documented range,
// which get in-range values; captions use CR LF line breaks.
ButtonDesign arbitraryInRangeRecord(std::uint32_t seed) {
  QRandomGenerator rng(seed);
  ButtonDesign d;
  auto bytes = d.bytes();
  for (std::byte& b : bytes)
    b = static_cast<std::byte>(rng.bounded(256));
  d.TextIndex = rng.bounded(32);
  d.ButtonWidth = rng.bounded(1, 1025);
  d.ButtonHeight = rng.bounded(1, 1025);
  d.FillDirection = rng.bounded(-90, 91);
  d.Distortion = static_cast<std::uint8_t>(rng.bounded(101));
  d.ShapeKind = static_cast<std::uint8_t>(rng.bounded(6));
  d.FillKind = static_cast<std::uint8_t>(rng.bounded(5));
  d.TextureBrightness = static_cast<std::uint8_t>(rng.bounded(101));
  d.CaptionSlots[3].setBytes("Home\r\nPage\r\n");
  d.LastTextIndex = LastSlot(d);
  return d;
}

TEST(DesignFile, EncodesRecordThenFontSizeNameAndStyle) {
  CaptionFont font;
  ButtonDesign d = defaults(font);
  font.name = "Verdana";
  font.size = 11;
  font.bold = false;
  font.italic = true;
  font.strikeout = true;
  const QByteArray data = EncodeDesignFile(d, font);
  ASSERT_EQ(data.size(), 9313);
  EXPECT_EQ(std::memcmp(data.constData(), d.bytes().data(), 9052), 0);
  std::int32_t size;
  std::memcpy(&size, data.constData() + 9052, 4);
  EXPECT_EQ(size, 11);
  EXPECT_EQ(data[9056], 7);
  EXPECT_EQ(data.mid(9057, 7), "Verdana");
  EXPECT_EQ(data[9312], 2 | 8);
}

TEST(DesignFile, SaveAndLoadGiveBackEveryByteOfAnInRangeRecord) {
  TempDir dir;
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    const ButtonDesign original = arbitraryInRangeRecord(seed);
    CaptionFont font;
    font.name = QString::fromUtf8("Zapf Dingbats ß");
    font.size = 23;
    font.setStyleBits(0b1011);
    const QString path = dir.path("round.kq");
    QString error;
    ASSERT_TRUE(SaveDesign(path, original, font, &error)) << error.toStdString();

    ButtonDesign loaded{};
    CaptionFont loadedFont;
    RecordingDesignHost host;
    EXPECT_TRUE(LoadDesign(path, loaded, loadedFont, host));
    EXPECT_EQ(std::memcmp(loaded.bytes().data(), original.bytes().data(), 9052), 0);
    EXPECT_EQ(loadedFont, font);

    // And saving the loaded design writes the same file again.
    const QByteArray first = TempDir::read(path);
    ASSERT_TRUE(SaveDesign(path, loaded, loadedFont, &error));
    EXPECT_EQ(TempDir::read(path), first);
  }
}

TEST(DesignFile, ShortMissingOrUnreadableFilesAreInvalidAndLeaveTheDefaults) {
  TempDir dir;
  CaptionFont font;
  ButtonDesign saved = defaults(font);
  saved.CaptionSlots[0].setBytes("Saved");
  saved.ShapeKind = kEllipse;
  const QByteArray full = EncodeDesignFile(saved, font);
  TempDir::write(dir.path("short.kq"), full.left(9312));
  TempDir::write(dir.path("empty.kq"), {});

  for (const char* name : {"short.kq", "empty.kq", "missing.kq", "."}) {
    const QString path = dir.path(name);
    ButtonDesign d = arbitraryInRangeRecord(7);
    CaptionFont f;
    f.name = "Courier";
    f.size = 40;
    RecordingDesignHost host;
    EXPECT_FALSE(LoadDesign(path, d, f, host)) << name;
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0], QStringLiteral("Invalid file \"%1\"").arg(path));
    EXPECT_EQ(d.CaptionSlots[0].bytes(), "Button Text");
    EXPECT_EQ(d.ShapeKind, kRectangle);
    EXPECT_EQ(f, CaptionFont{});
    EXPECT_EQ(host.textureClears, 1);
    EXPECT_EQ(host.syncs, 2);  // the reset's and the load's own
    EXPECT_EQ(host.renders, 1);
    EXPECT_TRUE(host.texturesLoaded.isEmpty());
  }
}

TEST(DesignFile, LongerFilesAreAcceptedAndTheExtraIgnored) {
  TempDir dir;
  CaptionFont font;
  ButtonDesign saved = defaults(font);
  saved.BevelSize = 9;
  TempDir::write(dir.path("long.kq"), EncodeDesignFile(saved, font) + QByteArray(500, 'z'));
  ButtonDesign d{};
  CaptionFont f;
  RecordingDesignHost host;
  EXPECT_TRUE(LoadDesign(dir.path("long.kq"), d, f, host));
  EXPECT_TRUE(host.messages.isEmpty());
  EXPECT_EQ(d.BevelSize, 9);
}

TEST(DesignFile, TextureIsLoadedOrReportedAndForgotten) {
  TempDir dir;
  CaptionFont font;
  ButtonDesign saved = defaults(font);
  const QString path = dir.path("textured.kq");

  // No texture: nothing is read and nothing reported.
  ASSERT_TRUE(TempDir::write(path, EncodeDesignFile(saved, font)));
  {
    ButtonDesign d{};
    RecordingDesignHost host;
    LoadDesign(path, d, font, host);
    EXPECT_TRUE(host.texturesLoaded.isEmpty());
    EXPECT_TRUE(host.messages.isEmpty());
  }

  saved.TextureFile.setText("/pictures/marble.jpg");
  saved.CaptionSlots[0].setBytes("Kept");
  ASSERT_TRUE(TempDir::write(path, EncodeDesignFile(saved, font)));
  {
    ButtonDesign d{};
    RecordingDesignHost host;
    EXPECT_TRUE(LoadDesign(path, d, font, host));
    EXPECT_EQ(host.texturesLoaded, QStringList{"/pictures/marble.jpg"});
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(d.TextureFile.text(), "/pictures/marble.jpg");
  }
  {
    ButtonDesign d{};
    RecordingDesignHost host;
    host.textureLoads = false;
    EXPECT_TRUE(LoadDesign(path, d, font, host));
    EXPECT_EQ(host.messages,
              QStringList{"Couldnt find or open texturefile\"/pictures/marble.jpg\""});
    EXPECT_TRUE(d.TextureFile.isEmpty());
    EXPECT_EQ(d.CaptionSlots[0].bytes(), "Kept");  // the rest of the design stays
    EXPECT_EQ(host.renders, 1);
  }
}

TEST(DesignFile, LoadedTextIndexIsBroughtIntoRange) {
  TempDir dir;
  CaptionFont font;
  ButtonDesign saved = defaults(font);
  saved.TextIndex = 4000;
  TempDir::write(dir.path("index.kq"), EncodeDesignFile(saved, font));
  ButtonDesign d{};
  RecordingDesignHost host;
  LoadDesign(dir.path("index.kq"), d, font, host);
  EXPECT_EQ(d.TextIndex, 31);
}

// Every byte arbitrary, out-of-range values included: a load followed by a save changes
// only what the load defines anew (TextIndex into 0..31, LastTextIndex from the slots, an
// unreadable texture's path emptied), and keeps captions, colours, ReservedBlock, padding and every
// byte after a string's length.
TEST(DesignFile, LoadThenSaveKeepsEveryByteOfAHostileRecordButTheRulesOfTheLoad) {
  TempDir dir;
  const QString path = dir.path("hostile.kq");
  for (std::uint32_t seed : {11u, 12u, 13u, 14u}) {
    QRandomGenerator rng(seed);
    QByteArray file(kDesignFileSize, Qt::Uninitialized);
    for (char& b : file)
      b = static_cast<char>(rng.bounded(256));
    file[kDesignFileSize - 1] = static_cast<char>(file[kDesignFileSize - 1] & 0x0F);
    // The font name as the writer leaves it: zeros after its length.
    const int nameLength = static_cast<std::uint8_t>(file[9056]);
    std::fill(file.begin() + 9057 + nameLength, file.begin() + 9312, '\0');
    ASSERT_TRUE(TempDir::write(path, file));
    std::int32_t index;
    std::memcpy(&index, file.constData(), 4);

    for (bool textureLoads : {true, false}) {
      ButtonDesign d{};
      CaptionFont font;
      RecordingDesignHost host;
      host.textureLoads = textureLoads;
      ASSERT_TRUE(LoadDesign(path, d, font, host));
      EXPECT_EQ(d.TextIndex, std::clamp(index, 0, 31)) << seed;
      QString error;
      ASSERT_TRUE(SaveDesign(path + ".saved", d, font, &error)) << error.toStdString();
      QByteArray expected = file;
      std::memcpy(expected.data(), &d.TextIndex, 4);
      const std::int32_t last = LastSlot(d);
      std::memcpy(expected.data() + 4, &last, 4);
      const bool refused = !textureLoads && file[8776] != 0;
      if (refused) expected[8776] = 0;
      EXPECT_EQ(d.TextureFile.isEmpty(), file[8776] == 0 || refused);
      const QByteArray saved = TempDir::read(path + ".saved");
      ASSERT_EQ(saved.size(), expected.size());
      for (qsizetype i = 0; i < saved.size(); ++i)
        ASSERT_EQ(saved[i], expected[i]) << "seed " << seed << ", byte " << i;
    }
  }
}

}  // namespace
