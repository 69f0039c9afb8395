#include <gtest/gtest.h>

#include <QDir>

#include "ExportSeries.h"
#include "TempDir.h"

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

// A series names a caption's file after its name, and keeps the number of one without;
// captions whose files would be one are refused before any is written.
TEST(ExportSeries, NamedCaptionsNameTheirFilesAndFilesThatWouldMeetAreRefused) {
  const QList<Caption> captions = {
      Caption{"Home", "home"}, Caption{"About"},
      Caption{QString::fromUtf8("Главная"), QString::fromUtf8("главная")}};
  TempDir dir;
  QList<int> rendered;
  const CaptionRender render = [&](int index, QImage* image, QString*) {
    rendered << index;
    *image = QImage(4, 3, QImage::Format_RGB32);
    image->fill(Qt::white);
    return true;
  };
  QString error;
  ASSERT_TRUE(ExportImageSeries(captions, dir.root(), "nav", ImageType::Bmp, render, &error))
      << error.toStdString();
  EXPECT_EQ(rendered, QList<int>({0, 1, 2}));
  EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files, QDir::Name),
            (QStringList{"nav-home.bmp", QString::fromUtf8("nav-главная.bmp"), "nav2.bmp"}));

  TempDir other;
  rendered.clear();
  const QList<Caption> alike = {Caption{"Home", "home"}, Caption{"Home", "HOME"}};
  EXPECT_FALSE(ExportImageSeries(alike, other.root(), "nav", ImageType::Bmp, render, &error));
  EXPECT_TRUE(error.contains("nav-HOME.bmp")) << error.toStdString();
  EXPECT_TRUE(rendered.isEmpty());
  EXPECT_TRUE(QDir(other.root()).isEmpty());
}

}  // namespace
