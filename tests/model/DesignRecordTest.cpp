#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "ButtonDesign.h"

namespace {

ButtonDesign filledWith(std::uint8_t byte) {
  ButtonDesign d;
  std::memset(&d, byte, sizeof d);
  return d;
}

TEST(DesignRecord, ResetOfANeverLoadedRecordGivesTheDefaultBytes) {
  ButtonDesign d{};
  CaptionFont font;
  font.name = "Courier";
  font.size = 30;
  font.setStyleBits(0xF);
  ResetDesignFields(d, font);

  EXPECT_EQ(d.Caption.bytes(), "Button Text");
  EXPECT_EQ(d.CaptionSlots[0].bytes(), "Button Text");
  for (int i = 1; i < kCaptionSlotCount; ++i)
    EXPECT_TRUE(d.CaptionSlots[i].isEmpty());
  EXPECT_EQ(d.ReservedFlag, 1);
  EXPECT_TRUE(std::all_of(std::begin(d.ReservedBlock), std::end(d.ReservedBlock),
                          [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(d.Padding[0], 0);
  EXPECT_EQ(d.Padding[1], 0);
  // The last-slot rule of the synchronisation turns this into 0 afterwards.
  EXPECT_EQ(d.LastTextIndex, 1);
  EXPECT_EQ(d.TextIndex, 0);

  EXPECT_EQ(font, CaptionFont{});  // "Arial", 14 points, bold only

  // Spot checks of the byte view at the documented offsets.
  const auto bytes = d.bytes();
  auto int32At = [&](std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
  };
  EXPECT_EQ(int32At(8), 3);      // BevelSize
  EXPECT_EQ(int32At(20), 20);    // ButtonHeight
  EXPECT_EQ(int32At(24), 100);   // ButtonWidth
  EXPECT_EQ(int32At(9032), 8);   // BorderHeight
  EXPECT_EQ(int32At(9036), 18);  // BorderWidth
  EXPECT_EQ(int32At(8760), 0x507814);
  EXPECT_EQ(int32At(8764), 0x8CB48C);
  EXPECT_EQ(static_cast<int>(bytes[34]), 11);   // Caption length
  EXPECT_EQ(static_cast<int>(bytes[290]), 11);  // slot 0 length
  EXPECT_EQ(static_cast<int>(bytes[9048]), 50);
}

TEST(DesignRecord, ResetLeavesReservedBytesAndPaddingAloneAndClearsTheStrings) {
  ButtonDesign d = filledWith(0xAB);
  CaptionFont font;
  ResetDesignFields(d, font);
  EXPECT_TRUE(std::all_of(std::begin(d.ReservedBlock), std::end(d.ReservedBlock),
                          [](std::uint8_t b) { return b == 0xAB; }));
  EXPECT_EQ(d.Padding[0], 0xAB);
  EXPECT_EQ(d.Padding[1], 0xAB);
  EXPECT_EQ(static_cast<std::uint8_t>(d.CaptionSlots[0].chars[11]), 0);
  EXPECT_EQ(static_cast<std::uint8_t>(d.CaptionSlots[7].chars[0]), 0);
  EXPECT_EQ(static_cast<std::uint8_t>(d.TextureFile.chars[0]), 0);
  EXPECT_EQ(d.TextureFile.length, 0);
  EXPECT_EQ(d.CaptionSlots[7].length, 0);
}

// New after editing must not carry a discarded caption or path into the next saved file.
TEST(DesignRecord, ResetAfterEditingGivesTheBytesOfStartUp) {
  ButtonDesign startUp{};
  CaptionFont font;
  ResetDesignFields(startUp, font);

  ButtonDesign edited = startUp;
  edited.CaptionSlots[0].setBytes("Button Text Secret");
  edited.Caption.setBytes("Button Text Secret");
  edited.CaptionSlots[9].setBytes("Another");
  edited.TextureFile.setBytes("/home/someone/private.jpg");
  edited.TextIndex = 9;
  ResetDesignFields(edited, font);
  EXPECT_EQ(std::memcmp(edited.bytes().data(), startUp.bytes().data(), kDesignRecordSize), 0);
}

TEST(DesignRecord, LastSlotRule) {
  ButtonDesign d{};
  CaptionFont font;
  ResetDesignFields(d, font);

  d.CaptionSlots[5].setBytes("Five");
  d.TextIndex = 2;
  EXPECT_EQ(LastSlot(d), 5);

  d.CaptionSlots[5].length = 0;
  d.TextIndex = 7;
  EXPECT_EQ(LastSlot(d), 7);

  d.CaptionSlots[0].length = 0;
  d.TextIndex = 0;
  EXPECT_EQ(LastSlot(d), 0);

  d.CaptionSlots[31].setBytes("Last");
  EXPECT_EQ(LastSlot(d), 31);
}

TEST(DesignRecord, OutOfRangeTextIndexNeverReachesPastTheSlots) {
  ButtonDesign d{};
  CaptionFont font;
  ResetDesignFields(d, font);
  d.CaptionSlots[31].setBytes("last");
  for (std::int32_t index : {32, 1000, INT32_MAX}) {
    d.TextIndex = index;
    EXPECT_EQ(d.currentSlot().bytes(), "last");
    BringIntoRange(d);
    EXPECT_EQ(d.TextIndex, 31);
  }
  for (std::int32_t index : {-1, INT32_MIN}) {
    d.TextIndex = index;
    EXPECT_EQ(d.currentSlot().bytes(), "Button Text");
    BringIntoRange(d);
    EXPECT_EQ(d.TextIndex, 0);
  }
}

TEST(DesignRecord, SystemColourReferencesResolveToFixedValues) {
  EXPECT_EQ(ResolveColour(0x123456), 0x123456u);
  EXPECT_EQ(ResolveColour(0xFF00000F), 0xC8D0D4u);    // button face
  EXPECT_EQ(ResolveColour(0xFF000005), 0xFFFFFFu);    // window
  EXPECT_EQ(ResolveColour(0xFF0000FF), 0u);           // no such system colour
  EXPECT_EQ(ResolveColour(0x02123456), 0x02123456u);  // not a system colour: unchanged
}

}  // namespace
