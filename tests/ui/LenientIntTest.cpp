#include <gtest/gtest.h>

#include <limits>

#include "LenientInt.h"

namespace {
struct Case {
  const char* text;
  int value;
};

void expectAll(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(LenientToInt(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
  }
}

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();
}  // namespace

TEST(LenientToInt, WholeNumbersKeepTheirSign) {
  expectAll({{"0", 0},
             {"150", 150},
             {"-5", -5},
             {"+7", 7},
             {"  7", 7},
             {"   -12", -12},
             {"007", 7},
             {"-0", 0}});
}

TEST(LenientToInt, StopsAtTheFirstStrayCharacterAndDropsTheSign) {
  expectAll(
      {{"12abc", 12}, {"-5x", 5}, {"+9 ", 9}, {"12px", 12}, {"3.7", 3}, {"1 2", 1}, {"-12-", 12}});
}

TEST(LenientToInt, TextWithoutLeadingDigitsIsZero) {
  expectAll({{"", 0},
             {" ", 0},
             {"abc", 0},
             {"-", 0},
             {"+", 0},
             {"--5", 0},
             {"+-5", 0},
             {"\t7", 0},
             {"$", 0},
             {"x", 0},
             {"0x", 0},
             {"$G", 0}});
}

TEST(LenientToInt, HexadecimalOnlyWithoutSign) {
  expectAll({{"$1F", 31},
             {"$1f", 31},
             {"x10", 16},
             {"X10", 16},
             {"0x1F", 31},
             {"0XfF", 255},
             {"  $A", 10},
             {"$1Fz", 31},
             {"-$1F", 0},
             {"+0x10", 0},
             {"00x1F", 0},
             {"0", 0}});
}

TEST(LenientToInt, NonAsciiDigitsDoNotCount) {
  // Arabic-Indic digit one and a full-width 5 are digits to Unicode, not to the boxes.
  expectAll({{"\u0661", 0}, {"7\uFF15", 7}, {"\u00A07", 0}});
}

TEST(LenientToInt, NumbersBeyond32BitsSaturate) {
  expectAll({{"2147483647", kMax},
             {"-2147483648", kMin},
             {"2147483648", kMax},
             {"-2147483649", kMin},
             {"99999999999999999999999", kMax},
             {"-99999999999999999999999", kMin},
             {"99999999999x", kMax},
             {"-99999999999x", kMax},
             {"$7FFFFFFF", kMax},
             {"$80000000", kMax},
             {"$FFFFFFFFFFFFFFFFFFFF", kMax}});
}
