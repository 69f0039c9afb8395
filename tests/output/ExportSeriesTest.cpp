#include <gtest/gtest.h>

#include "ExportSeries.h"

namespace {

TEST(ExportSeries, EachSlotsFileLiesInTheFolderWithOneSeparator) {
  const struct {
    const char *folder, *prefix;
    int number;
    const char *ending, *path;
  } cases[] = {
      {"/home/me/out", "button", 1, ".jpg", "/home/me/out/button1.jpg"},
      {"/", "nav", 12, "-hover@2x.png", "/nav12-hover@2x.png"},
      {"/home/me/out/", "", 3, ".bmp", "/home/me/out/3.bmp"},
      {"out", "a b", 32, ".png", "out/a b32.png"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SeriesFileName(c.folder, c.prefix, c.number, c.ending), c.path);
    EXPECT_EQ(PathInFolder(c.folder, SeriesName(c.prefix, c.number, c.ending)), c.path);
  }
}

}  // namespace
