#include <gtest/gtest.h>

#include "DesignConversion.h"

namespace {

std::string Str(const QStringList& list) {
  return list.join(QStringLiteral(" | ")).toStdString();
}

// A record's captions: slots 0 .. the last slot in use, by the caption line rule (CR
// separates lines, LF is dropped); the current caption is TextIndex brought into 0..31.
TEST(DesignConversion, ARecordsCaptionsAreItsSlotsUpToTheLastInUse) {
  struct Row {
    const char* what;
    std::int32_t textIndex;
    QList<std::pair<int, QByteArray>> filled;
    QStringList captions;
    int current;
  } rows[] = {
      {"the default", 0, {{0, "Button Text"}}, {"Button Text"}, 0},
      {"CR LF, lone CR and lone LF", 0, {{0, "Home\r\nPage\rTwo\nx"}}, {"Home\nPage\nTwox"}, 0},
      {"empty slots between", 2, {{0, "A"}, {5, "F"}}, {"A", "", "", "", "", "F"}, 2},
      {"current past the last text", 7, {{0, "A"}}, {"A", "", "", "", "", "", "", ""}, 7},
      {"all empty", 0, {{0, ""}}, {""}, 0},
      {"Windows-1252", 0, {{0, "Caf\xE9 \x80"}}, {"Café €"}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ButtonDesign record{};
    CaptionFont font;
    ResetDesignFields(record, font);
    for (const auto& [slot, bytes] : row.filled)
      record.CaptionSlots[slot].setBytes(bytes);
    record.TextIndex = row.textIndex;
    const Design d = DesignOfRecord(record, font);
    QStringList texts;
    for (const Caption& c : d.captions)
      texts << c.text;
    EXPECT_EQ(texts, row.captions);
    EXPECT_EQ(d.current, row.current);
  }
  // Whatever TextIndex a file brings, no caption lies beyond the 32 slots.
  for (std::int32_t index : {-1, 32, 4000, INT32_MIN, INT32_MAX}) {
    ButtonDesign record{};
    CaptionFont font;
    ResetDesignFields(record, font);
    record.TextIndex = index;
    const Design d = DesignOfRecord(record, font);
    EXPECT_EQ(d.current, index < 0 ? 0 : 31);
    EXPECT_EQ(d.captions.size(), d.current + 1);
  }
}

TEST(DesignConversion, ListsWhatADesignFileCannotHold) {
  struct Row {
    const char* what;
    void (*change)(Design&);
    QStringList losses;
  } rows[] = {
      {"a new design", [](Design&) {}, {}},
      {"Windows-1252 and line breaks only",
       [](Design& d) {
         d.captions = {Caption{QStringLiteral("Café\n€")}, Caption{}};
         SetTexture(d, QStringLiteral("/home/josé/ü.jpg"));
         d.font.name = QStringLiteral("Zapf Dingbats ß");
       },
       {}},
      {"Cyrillic in caption 2",
       [](Design& d) { d.captions << Caption{QStringLiteral("Главная")}; },
       {"caption 2: characters outside Windows-1252, written as \"?\""}},
      {"caption 33",
       [](Design& d) { d.captions = QList<Caption>(33); },
       {"caption 33: a design file holds 32 captions"}},
      {"40 captions, the current one beyond 32",
       [](Design& d) {
         d.captions = QList<Caption>(40);
         d.current = 35;
       },
       {"8 captions beyond the 32 a design file holds (33 to 40)",
        "the current caption, 36: the file opens on caption 32"}},
      {"a caption over 255 bytes with its CR LF breaks",
       [](Design& d) { d.captions = {Caption{QString(200, u'a') + QString(30, u'\n')}}; },
       {"caption 1: longer than 255 bytes, cut"}},
      {"exactly 255 bytes", [](Design& d) { d.captions = {Caption{QString(255, u'a')}}; }, {}},
      {"names and links",
       [](Design& d) {
         d.captions = {Caption{"a", "home"}, Caption{"b", "", "/b"}, Caption{"c", "c", "/c"}};
       },
       {"the names of captions 1 and 3", "the links of captions 2 and 3"}},
      {"a dozen names",
       [](Design& d) {
         d.captions.clear();
         for (int i = 0; i < 12; ++i)
           d.captions << Caption{"x", QStringLiteral("n%1").arg(i)};
       },
       {"the names of captions 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more"}},
      {"names beyond 32 are lost with their captions",
       [](Design& d) {
         d.captions = QList<Caption>(34);
         d.captions[33].name = QStringLiteral("last");
       },
       {"2 captions beyond the 32 a design file holds (33 to 34)"}},
      {"font and texture outside the code page",
       [](Design& d) {
         d.font.name = QStringLiteral("微软雅黑");
         SetTexture(d, QStringLiteral("/home/用户/a.jpg"));
       },
       {"the font name: characters outside Windows-1252, written as \"?\"",
        "the texture path: characters outside Windows-1252, written as \"?\""}},
      {"long font name and texture path",
       [](Design& d) {
         d.font.name = QString(256, u'F');
         SetTexture(d, u'/' + QString(300, u'p'));
       },
       {"the font name: longer than 255 bytes, cut",
        "the texture path: longer than 255 bytes, cut"}},
      {"set choices",
       [](Design& d) {
         d.set.folder = QStringLiteral("/web");
         d.set.sheet = true;
         d.set.stateOptions.pressedShift = 2;
         d.set.stateDesigns[ButtonState::Hover] = QStringLiteral("/h.kq");
       },
       {"the set choices: folder, sprite sheet, pressed shift and state designs"}},
      {"one set choice", [](Design& d) { d.set.scales = {1}; }, {"the set choices: scales"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Design d;
    row.change(d);
    QStringList losses;
    RecordOfDesign(d, &losses);
    EXPECT_EQ(losses, row.losses) << Str(losses);
  }
}

// The record of a design: its captions in the slots with CR LF breaks and nothing left of
// slots beyond them, the current caption, the texture, and the look as it is.
TEST(DesignConversion, TheRecordOfADesignHoldsItsFirst32Captions) {
  Design d;
  d.record.CaptionSlots[7].setBytes("stale");
  d.record.BevelSize = 9;
  d.captions = QList<Caption>(40);
  d.captions[0].text = QStringLiteral("Two\nLines");
  d.captions[31].text = QStringLiteral("Straße → 1");
  d.current = 39;
  SetTexture(d, QStringLiteral("/t/marble.jpg"));
  const ButtonDesign r = RecordOfDesign(d);
  EXPECT_EQ(r.CaptionSlots[0].bytes(), "Two\r\nLines");
  EXPECT_EQ(r.CaptionSlots[31].bytes(),
            "Stra\xDF"
            "e ? 1");
  const ShortString empty{};
  EXPECT_EQ(std::memcmp(&r.CaptionSlots[7], &empty, sizeof empty), 0);
  EXPECT_EQ(r.TextIndex, 31);
  EXPECT_EQ(r.TextureFile.bytes(), "/t/marble.jpg");
  EXPECT_EQ(r.BevelSize, 9);
}

}  // namespace
