#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cctype>
#include <iterator>
#include <ostream>
#include <string>

#include "TextureImage.h"

// Damaged texture files kept in tests/data/textures, each with what loading it must give:
// a refusal whose message names the file and the fault, or a whole picture.

namespace {

struct HostileTexture {
  const char* file;
  const char* refusal;  // a part of the message; nullptr: the file loads whole
};

const HostileTexture kCases[] = {
    // Run-length streams that end before their last row: Qt's reader alone shows the rows
    // it got over a black remainder.
    {"rle8-cut-inside-a-run.bmp", "cut short"},
    {"rle8-cut-after-a-row.bmp", "cut short"},
    {"rle4-cut-inside-a-row.bmp", "cut short"},
    {"rle8-absolute-run-past-the-end.bmp", "cut short"},
    {"rle8-cut-inside-a-move.bmp", "cut short"},
    // Complete streams: every row ended, or an end-of-bitmap marker, or a move past the
    // last row, which leaves the remaining pixels at the background as the format says.
    {"rle8-rows-without-end-marker.bmp", nullptr},
    {"rle4-end-marker-after-two-rows.bmp", nullptr},
    {"rle8-move-past-the-last-row.bmp", nullptr},
};

void PrintTo(const HostileTexture& texture, std::ostream* out) {
  *out << texture.file;
}

class HostileTextures : public ::testing::TestWithParam<HostileTexture> {};

TEST_P(HostileTextures, AreRefusedWithTheirFaultOrLoadWhole) {
  const QString path = QStringLiteral(TESSARO_TESTDATA "/textures/") + GetParam().file;
  ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
  QImage texture;
  QString error;
  const bool loaded = LoadTextureImage(path, &texture, &error);
  if (GetParam().refusal) {
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(texture.isNull());
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String(GetParam().refusal))) << error.toStdString();
  } else {
    EXPECT_TRUE(loaded) << error.toStdString();
    EXPECT_EQ(texture.size(), QSize(7, 5));
    EXPECT_EQ(texture.format(), QImage::Format_RGB32);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileTextures, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HostileTexture>& param) {
                           std::string name = param.param.file;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(HostileTextures, EveryFileOfTheFolderIsInTheTable) {
  const QStringList files =
      QDir(QStringLiteral(TESSARO_TESTDATA "/textures")).entryList(QDir::Files);
  EXPECT_EQ(files.size(), static_cast<qsizetype>(std::size(kCases)));
}

}  // namespace
