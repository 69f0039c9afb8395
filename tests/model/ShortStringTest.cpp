#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "ShortString.h"

namespace {

TEST(ShortString, HoldsAtMost255CharactersAndZeroesTheTail) {
  ShortString s;
  std::memset(&s, 'x', sizeof s);
  EXPECT_TRUE(s.setText(QString(255, 'a')));
  EXPECT_EQ(s.length, 255);
  EXPECT_TRUE(s.setText(QString(300, 'b')));
  EXPECT_EQ(s.length, 255);
  EXPECT_EQ(s.text(), QString(255, 'b'));

  s.setText("short");
  EXPECT_EQ(s.text(), "short");
  // No byte of the longer text before it is left behind.
  EXPECT_TRUE(std::all_of(s.chars + 5, s.chars + 255, [](char c) { return c == 0; }));

  std::memset(&s, 'x', sizeof s);
  s.clear();
  EXPECT_TRUE(s.isEmpty());
  EXPECT_TRUE(std::all_of(s.chars, s.chars + 255, [](char c) { return c == 0; }));
}

TEST(ShortString, Windows1252RoundTripsEveryByte) {
  QByteArray all;
  for (int b = 0; b < 256; ++b)
    all.append(static_cast<char>(b));
  bool lossy = true;
  EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all), &lossy), all);
  EXPECT_FALSE(lossy);
}

TEST(ShortString, Windows1252MapsTheHighControlsAndMarksWhatItCannotHold) {
  EXPECT_EQ(DecodeWindows1252("\x80\x9f\xe9"), QString::fromUtf8("€Ÿé"));
  EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("€ café")), "\x80 caf\xe9");

  bool lossy = false;
  EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("a→b"), &lossy), "a?b");
  EXPECT_TRUE(lossy);
  // A character outside the basic plane is one character and one "?".
  EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("x😀y"), &lossy), "x?y");

  ShortString s;
  EXPECT_FALSE(s.setText(QString::fromUtf8("日本")));
  EXPECT_EQ(s.bytes(), "??");
}

}  // namespace
