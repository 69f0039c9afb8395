#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "TextureImage.h"

// The BMP Suite: g/ holds good files that must load with the right pixels, b/ corrupt ones
// that must be refused or give a sane picture, q/ odd ones that may go either way but must
// never crash or hang. Nearly every picture is the same 127 x 64 scene stored in another way.

namespace {

QString SuitePath(const QString& relative) {
  return QStringLiteral(TESSARO_TESTDATA "/bmpsuite/") + relative;
}

std::string Str(const QString& text) {
  return text.toStdString();
}

QImage Load(const QString& relative, QString* error) {
  QImage texture;
  LoadTextureImage(SuitePath(relative), &texture, error);
  return texture;
}

std::vector<std::string> FilesIn(const char* folder) {
  std::vector<std::string> files;
  const QDir dir(SuitePath(QString::fromLatin1(folder)));
  for (const QString& name : dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name)) {
    files.push_back(std::string(folder) + "/" + name.toStdString());
  }
  return files;
}

std::string TestName(const ::testing::TestParamInfo<std::string>& file) {
  std::string name = file.param;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  return name;
}

// The reference, straight from the bytes of the uncompressed 24-bit file: bottom-up rows of
// blue, green, red, padded to 4 bytes.
QImage ReadRgb24ByHand() {
  QFile file(SuitePath(QStringLiteral("g/rgb24.bmp")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  const int offset = qFromLittleEndian<qint32>(data + 10);
  const int width = qFromLittleEndian<qint32>(data + 18);
  const int height = qFromLittleEndian<qint32>(data + 22);
  const int stride = (width * 3 + 3) / 4 * 4;
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const uchar* row = data + offset + (height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
    }
  }
  return image;
}

double ToLinear(int v) {
  const double c = v / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double FromLinear(double l) {
  return 255.0 * (l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1 / 2.4) - 0.055);
}

enum class Channels { Colour, Grey };

// Compares block averages taken in linear light, where the dithering of the palette images
// averages out. rowScale reference rows make one image row (a picture stored at half height).
// Returns the worst difference of any channel of any block, in 8-bit steps.
double WorstBlockDifference(const QImage& image, const QImage& reference, int block,
                            Channels channels, int rowScale) {
  double worst = 0;
  for (int by = 0; by + block <= image.height(); by += block) {
    for (int bx = 0; bx + block <= image.width(); bx += block) {
      double got[3] = {};
      double want[3] = {};
      for (int y = by; y < by + block; ++y) {
        for (int x = bx; x < bx + block; ++x) {
          const QRgb p = image.pixel(x, y);
          got[0] += ToLinear(qRed(p));
          got[1] += ToLinear(qGreen(p));
          got[2] += ToLinear(qBlue(p));
          for (int k = 0; k < rowScale; ++k) {
            const QRgb r = reference.pixel(x, y * rowScale + k);
            want[0] += ToLinear(qRed(r)) / rowScale;
            want[1] += ToLinear(qGreen(r)) / rowScale;
            want[2] += ToLinear(qBlue(r)) / rowScale;
          }
        }
      }
      if (channels == Channels::Grey) {
        const auto luminance = [](const double* c) {
          return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
        };
        got[0] = luminance(got);
        want[0] = luminance(want);
      }
      const int n = block * block;
      for (int c = 0; c < (channels == Channels::Grey ? 1 : 3); ++c) {
        worst = std::max(worst, std::abs(FromLinear(got[c] / n) - FromLinear(want[c] / n)));
      }
    }
  }
  return worst;
}

std::set<QRgb> ColoursOf(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      colours.insert(image.pixel(x, y));
  }
  return colours;
}

TEST(BmpSuiteGood, TrueColourReferenceLoadsByteForByte) {
  const QImage reference = ReadRgb24ByHand();
  ASSERT_EQ(reference.size(), QSize(127, 64));
  QString error;
  const QImage texture = Load(QStringLiteral("g/rgb24.bmp"), &error);
  ASSERT_FALSE(texture.isNull()) << Str(error);
  EXPECT_EQ(texture.format(), QImage::Format_RGB32);
  EXPECT_EQ(texture, reference);
}

struct GoodCase {
  const char* file;
  QSize size;
  int block;      // side of the averaged squares; 1 compares single pixels
  int tolerance;  // in 8-bit steps
  Channels channels = Channels::Colour;
  int rowScale = 1;
};

// Tolerances follow the colour depth each file stores.
const GoodCase kGood[] = {
    // Full colour: exact.
    {"rgb24pal.bmp", {127, 64}, 1, 0},
    {"rgb32.bmp", {127, 64}, 1, 0},
    {"rgb32bf.bmp", {127, 64}, 1, 0},
    {"rgb32bfdef.bmp", {127, 64}, 1, 0},
    // 5 or 6 bits a channel, spread over 0..255: half a quantisation step of 8, and rounding.
    {"rgb16.bmp", {127, 64}, 1, 5},
    {"rgb16bfdef.bmp", {127, 64}, 1, 5},
    {"rgb16-565.bmp", {127, 64}, 1, 5},
    {"rgb16-565pal.bmp", {127, 64}, 1, 5},
    // 8-bit palettes, dithered: right on average over 8 x 8 squares.
    {"pal8.bmp", {127, 64}, 8, 8},
    {"pal8-0.bmp", {127, 64}, 8, 8},
    {"pal8os2.bmp", {127, 64}, 8, 8},
    {"pal8rle.bmp", {127, 64}, 8, 8},
    {"pal8topdown.bmp", {127, 64}, 8, 8},
    {"pal8v4.bmp", {127, 64}, 8, 8},
    {"pal8v5.bmp", {127, 64}, 8, 8},
    // The same scene cut to other widths (rows padded differently).
    {"pal8w124.bmp", {124, 61}, 8, 8},
    {"pal8w125.bmp", {125, 62}, 8, 8},
    {"pal8w126.bmp", {126, 63}, 8, 8},
    // Half the rows, for pixels twice as tall as wide: detail is lost at the letters.
    {"pal8nonsquare.bmp", {127, 32}, 8, 32, Channels::Colour, 2},
    // 16 colours, coarsely dithered.
    {"pal4.bmp", {127, 64}, 8, 40},
    {"pal4rle.bmp", {127, 64}, 8, 40},
    // Grey palettes: the scene's luminance.
    {"pal8gs.bmp", {127, 64}, 8, 8, Channels::Grey},
    {"pal4gs.bmp", {127, 64}, 8, 8, Channels::Grey},
    // Black and white, dithered.
    {"pal1.bmp", {127, 64}, 8, 48, Channels::Grey},
    {"pal1wb.bmp", {127, 64}, 8, 48, Channels::Grey},
};

void PrintTo(const GoodCase& c, std::ostream* out) {
  *out << c.file;
}

class BmpSuiteGood : public ::testing::TestWithParam<GoodCase> {};

TEST_P(BmpSuiteGood, LoadsTheSceneWithinItsColourDepth) {
  const GoodCase& c = GetParam();
  QString error;
  const QImage texture = Load(QStringLiteral("g/") + QString::fromLatin1(c.file), &error);
  ASSERT_FALSE(texture.isNull()) << Str(error);
  EXPECT_EQ(texture.format(), QImage::Format_RGB32);
  ASSERT_EQ(texture.size(), c.size);
  EXPECT_LE(WorstBlockDifference(texture, ReadRgb24ByHand(), c.block, c.channels, c.rowScale),
            c.tolerance);
  if (c.channels == Channels::Grey) {
    for (const QRgb colour : ColoursOf(texture)) {
      EXPECT_TRUE(qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour))
          << std::hex << colour;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Files, BmpSuiteGood, ::testing::ValuesIn(kGood),
                         [](const ::testing::TestParamInfo<GoodCase>& good) {
                           std::string name = good.param.file;
                           name = name.substr(0, name.find('.'));
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(BmpSuiteGood, SixteenBitChannelsReachTheirFullRange) {
  const QImage reference = ReadRgb24ByHand();
  for (const char* file : {"rgb16.bmp", "rgb16bfdef.bmp", "rgb16-565.bmp", "rgb16-565pal.bmp"}) {
    QString error;
    const QImage texture = Load(QStringLiteral("g/") + QString::fromLatin1(file), &error);
    ASSERT_EQ(texture.size(), reference.size()) << file << Str(error);
    int white = 0;
    for (int y = 0; y < reference.height(); ++y) {
      for (int x = 0; x < reference.width(); ++x) {
        if (reference.pixel(x, y) != qRgb(255, 255, 255)) continue;
        ++white;
        ASSERT_EQ(texture.pixel(x, y), qRgb(255, 255, 255)) << file << " at " << x << "," << y;
      }
    }
    EXPECT_GT(white, 0) << "the scene has white to check";
  }
}

TEST(BmpSuiteGood, EveryFileOfTheFolderIsCovered) {
  std::set<std::string> covered = {"g/rgb24.bmp", "g/pal1bg.bmp"};
  for (const GoodCase& c : kGood)
    covered.insert(std::string("g/") + c.file);
  for (const std::string& file : FilesIn("g"))
    EXPECT_TRUE(covered.count(file)) << file;
}

TEST(BmpSuiteGood, TwoColourPaletteKeepsItsOwnColours) {
  // pal1bg is pal1 with a blue and a green palette entry in place of black and white.
  QString error;
  const QImage blackWhite = Load(QStringLiteral("g/pal1.bmp"), &error);
  const QImage blueGreen = Load(QStringLiteral("g/pal1bg.bmp"), &error);
  ASSERT_EQ(blueGreen.size(), blackWhite.size()) << Str(error);
  EXPECT_EQ(ColoursOf(blackWhite), (std::set<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
  const std::set<QRgb> colours = ColoursOf(blueGreen);
  ASSERT_EQ(colours.size(), 2u);
  // Each colour stands where the other file has one fixed colour.
  QRgb forBlack = 0;
  QRgb forWhite = 0;
  for (int y = 0; y < blackWhite.height(); ++y) {
    for (int x = 0; x < blackWhite.width(); ++x) {
      QRgb& slot = blackWhite.pixel(x, y) == qRgb(0, 0, 0) ? forBlack : forWhite;
      if (slot == 0) slot = blueGreen.pixel(x, y);
      ASSERT_EQ(blueGreen.pixel(x, y), slot) << x << "," << y;
    }
  }
  EXPECT_NE(forBlack, forWhite);
  EXPECT_EQ(colours, (std::set<QRgb>{forBlack, forWhite}));
  for (const QRgb colour : colours) {
    EXPECT_GT(std::max(qBlue(colour), qGreen(colour)), qRed(colour)) << std::hex << colour;
  }
}

// A refusal names the file and gives a reason; a picture is one the header promised.
void ExpectRefusedOrSane(const std::string& file) {
  QString error;
  QElapsedTimer clock;
  clock.start();
  const QImage texture = Load(QString::fromStdString(file), &error);
  EXPECT_LT(clock.elapsed(), 2000) << file;
  if (texture.isNull()) {
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(SuitePath(QString::fromStdString(file)))))
        << Str(error);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Bitmap image is not valid (")) ||
                error.startsWith(QStringLiteral("Texture image is too large (")))
        << Str(error);
    EXPECT_TRUE(error.contains(QLatin1Char('\n'))) << "no reason given: " << Str(error);
  } else {
    EXPECT_EQ(texture.format(), QImage::Format_RGB32) << file;
    EXPECT_EQ(texture.size(), QSize(127, 64)) << file;
  }
}

class BmpSuiteBad : public ::testing::TestWithParam<std::string> {};
TEST_P(BmpSuiteBad, IsRefusedOrGivesASanePicture) {
  ExpectRefusedOrSane(GetParam());
}
INSTANTIATE_TEST_SUITE_P(Files, BmpSuiteBad, ::testing::ValuesIn(FilesIn("b")), TestName);

class BmpSuiteQuestionable : public ::testing::TestWithParam<std::string> {};
TEST_P(BmpSuiteQuestionable, IsRefusedOrGivesASanePicture) {
  ExpectRefusedOrSane(GetParam());
}
INSTANTIATE_TEST_SUITE_P(Files, BmpSuiteQuestionable, ::testing::ValuesIn(FilesIn("q")), TestName);

TEST(BmpSuiteBadFiles, TruncatedAndHugeFilesAreRefused) {
  QString error;
  EXPECT_TRUE(Load(QStringLiteral("b/shortfile.bmp"), &error).isNull());
  EXPECT_TRUE(error.startsWith(QStringLiteral("Bitmap image is not valid ("))) << Str(error);
  EXPECT_TRUE(error.contains(QStringLiteral("cut short"))) << Str(error);

  EXPECT_TRUE(Load(QStringLiteral("b/reallybig.bmp"), &error).isNull());
  EXPECT_TRUE(error.startsWith(QStringLiteral("Texture image is too large ("))) << Str(error);
}

TEST(BmpSuiteBadFiles, FoldersAreThere) {
  // An empty listing would make the tables above pass without testing anything.
  EXPECT_GE(FilesIn("g").size(), 20u);
  EXPECT_GE(FilesIn("b").size(), 10u);
  EXPECT_GE(FilesIn("q").size(), 20u);
}

}  // namespace
