#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "ImageExport.h"
#include "JpegCodec.h"
#include "JpegTestSupport.h"
#include "TextureImage.h"

namespace {

using Kind = TestJpegOptions::Kind;

std::string Str(const QString& text) {
  return text.toStdString();
}

bool WriteFile(const QString& path, const QByteArray& data) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// A texture that is already there, to prove a failed load leaves it alone.
QImage Previous() {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(qRgb(1, 2, 3));
  return image;
}

// ---------------------------------------------------------------------------------------
// Endings

struct EndingCase {
  const char* path;
  TextureFormat format;
};

TEST(TextureEndings, AreToldByTheLastLettersInAnyCase) {
  const EndingCase cases[] = {
      {"photo.jpg", TextureFormat::Jpeg},
      {"photo.JPG", TextureFormat::Jpeg},
      {"photo.Jpeg", TextureFormat::Jpeg},
      {"photo.jPeG", TextureFormat::Jpeg},
      {".jpg", TextureFormat::Jpeg},
      {"dir.png/photo.bmp", TextureFormat::Bmp},
      {"photo.BMP", TextureFormat::Bmp},
      {"photo.dib", TextureFormat::Bmp},
      {"photo.Dib", TextureFormat::Bmp},
      {"photo.jpe", TextureFormat::Unknown},
      {"photo.png", TextureFormat::Unknown},
      {"photo.jpg.png", TextureFormat::Unknown},
      {"photo.jpg ", TextureFormat::Unknown},
      {"photo.jpeg/", TextureFormat::Unknown},
      {"photojpg", TextureFormat::Unknown},
      {"jpg", TextureFormat::Unknown},
      {"pg", TextureFormat::Unknown},
      {"", TextureFormat::Unknown},
      // Only a..z are upper-cased: a dotless i is not an I.
      {"photo.d\xc4\xb1"
       "b",
       TextureFormat::Unknown},
  };
  for (const EndingCase& c : cases) {
    EXPECT_EQ(TextureFormatOf(QString::fromUtf8(c.path)), c.format) << c.path;
  }
}

TEST(TextureEndings, UnknownEndingIsRefusedNamingTheWholePath) {
  QTemporaryDir dir;
  for (const char* name : {"photo.jpe", "photo.png", "jpg", "archive.jpg.zip"}) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    ASSERT_TRUE(WriteFile(path, EncodeBmp(Previous())));  // readable content does not matter
    QImage texture = Previous();
    QString error;
    EXPECT_FALSE(LoadTextureImage(path, &texture, &error));
    EXPECT_EQ(error,
              QStringLiteral("Unknown file extension (%1)").arg(QDir::toNativeSeparators(path)));
    EXPECT_EQ(texture, Previous());
  }
}

// ---------------------------------------------------------------------------------------
// Files

TEST(TextureFiles, MissingFileOrFolderCannotBeOpened) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));
  for (const char* name : {"missing.jpg", "folder.bmp"}) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QImage texture = Previous();
    QString error;
    EXPECT_FALSE(LoadTextureImage(path, &texture, &error));
    EXPECT_EQ(error, QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    EXPECT_EQ(texture, Previous());
  }
}

QImage Pattern(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb(x * 9, y * 17, (x * y) & 255));
  }
  return image;
}

TEST(TextureFiles, BitmapsLoadUnderEitherEnding) {
  QTemporaryDir dir;
  const QImage source = Pattern(29, 13);
  for (const char* name : {"texture.bmp", "texture.DIB"}) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    ASSERT_TRUE(WriteFile(path, EncodeBmp(source)));
    QImage texture;
    QString error;
    ASSERT_TRUE(LoadTextureImage(path, &texture, &error)) << Str(error);
    EXPECT_EQ(texture.format(), QImage::Format_RGB32);
    EXPECT_EQ(texture, source);
  }
}

TEST(TextureFiles, JpegLoadsUnderAMixedCaseEnding) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("photo.Jpeg"));
  QString error;
  ASSERT_TRUE(WriteFile(path, EncodeJpeg(Pattern(40, 30), &error)));
  QImage texture;
  ASSERT_TRUE(LoadTextureImage(path, &texture, &error)) << Str(error);
  EXPECT_EQ(texture.size(), QSize(40, 30));
  EXPECT_EQ(texture.format(), QImage::Format_RGB32);
}

TEST(TextureFiles, DamagedFileIsRefusedNamingThePathAndKeepsThePreviousTexture) {
  QTemporaryDir dir;
  QString error;
  const QByteArray jpeg = EncodeJpeg(Pattern(40, 30), &error);
  const QByteArray bmp = EncodeBmp(Pattern(40, 30));
  const struct {
    const char* name;
    QByteArray data;
    const char* start;
    const char* end;
  } cases[] = {
      {"cut.jpg", jpeg.left(jpeg.size() / 2), "JPEG error #", "in %1"},
      {"empty.jpeg", QByteArray(), "JPEG error #", "in %1"},
      {"bitmap.jpg", bmp, "JPEG error #", "in %1"},
      {"cut.bmp", bmp.left(bmp.size() - 1), "Bitmap image is not valid (%1)", nullptr},
      {"jpeg.bmp", jpeg, "Bitmap image is not valid (%1)", nullptr},
  };
  for (const auto& c : cases) {
    const QString path = dir.filePath(QString::fromLatin1(c.name));
    const QString where = QDir::toNativeSeparators(path);
    ASSERT_TRUE(WriteFile(path, c.data));
    QImage texture = Previous();
    error.clear();
    EXPECT_FALSE(LoadTextureImage(path, &texture, &error)) << c.name;
    EXPECT_TRUE(error.startsWith(QString::fromLatin1(c.start).arg(where))) << Str(error);
    if (c.end) {
      EXPECT_TRUE(error.endsWith(QString::fromLatin1(c.end).arg(where))) << Str(error);
    }
    EXPECT_EQ(texture, Previous()) << c.name;
  }
}

// ---------------------------------------------------------------------------------------
// JPEG colour models: patches of known colour, 16 x 16 so that they fill whole blocks and
// chroma MCUs and decode nearly exactly.

constexpr int kPatch = 16;

struct Patch {
  QRgb expected;
  std::array<uchar, 4> cmyk;  // ink amounts, 0 = none, for the CMYK variants
};

const std::vector<Patch>& ColourPatches() {
  static const std::vector<Patch> patches = {
      {qRgb(255, 255, 255), {0, 0, 0, 0}},   {qRgb(0, 255, 255), {255, 0, 0, 0}},
      {qRgb(255, 0, 255), {0, 255, 0, 0}},   {qRgb(255, 255, 0), {0, 0, 255, 0}},
      {qRgb(255, 0, 0), {0, 255, 255, 0}},   {qRgb(0, 0, 255), {255, 255, 0, 0}},
      {qRgb(0, 0, 0), {0, 0, 0, 255}},       {qRgb(127, 127, 127), {0, 0, 0, 128}},
      {qRgb(255, 128, 0), {0, 127, 255, 0}}, {qRgb(64, 64, 64), {0, 0, 0, 191}},
  };
  return patches;
}

const std::vector<Patch>& GreyPatches() {
  static const std::vector<Patch> patches = {
      {qRgb(0, 0, 0), {}},       {qRgb(37, 37, 37), {}},    {qRgb(90, 90, 90), {}},
      {qRgb(128, 128, 128), {}}, {qRgb(201, 201, 201), {}}, {qRgb(255, 255, 255), {}},
  };
  return patches;
}

struct ColourCase {
  const char* name;
  TestJpegOptions options;
  bool invertInk;  // samples stored as 255 - ink, as Adobe's applications write them
};

void PrintTo(const ColourCase& c, std::ostream* out) {
  *out << c.name;
}

class JpegColourModels : public ::testing::TestWithParam<ColourCase> {};

TEST_P(JpegColourModels, DecodeToTheRightRgb) {
  const ColourCase& c = GetParam();
  const bool grey = c.options.kind == Kind::Grey;
  const std::vector<Patch>& patches = grey ? GreyPatches() : ColourPatches();
  const int width = kPatch * static_cast<int>(patches.size());
  const int height = kPatch;
  const int components = grey ? 1 : c.options.kind == Kind::Rgb ? 3 : 4;
  std::vector<uchar> samples;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Patch& p = patches[static_cast<size_t>(x / kPatch)];
      if (components == 1) {
        samples.push_back(static_cast<uchar>(qGray(p.expected)));
      } else if (components == 3) {
        samples.insert(samples.end(), {static_cast<uchar>(qRed(p.expected)),
                                       static_cast<uchar>(qGreen(p.expected)),
                                       static_cast<uchar>(qBlue(p.expected))});
      } else {
        for (const uchar ink : p.cmyk)
          samples.push_back(c.invertInk ? 255 - ink : ink);
      }
    }
  }
  const QByteArray jpeg = WriteTestJpeg(width, height, samples, c.options);
  ASSERT_EQ(ReadWithLibjpeg(jpeg).progressive, c.options.progressive);

  QString error;
  const QImage texture = DecodeJpegTexture(jpeg, &error);
  ASSERT_FALSE(texture.isNull()) << Str(error);
  EXPECT_EQ(texture.format(), QImage::Format_RGB32);
  ASSERT_EQ(texture.size(), QSize(width, height));
  for (size_t i = 0; i < patches.size(); ++i) {
    const QRgb want = patches[i].expected;
    for (const QPoint at : {QPoint(2, 2), QPoint(8, 8), QPoint(13, 14)}) {
      const QRgb got = texture.pixel(static_cast<int>(i) * kPatch + at.x(), at.y());
      EXPECT_NEAR(qRed(got), qRed(want), 3) << "patch " << i;
      EXPECT_NEAR(qGreen(got), qGreen(want), 3) << "patch " << i;
      EXPECT_NEAR(qBlue(got), qBlue(want), 3) << "patch " << i;
      EXPECT_EQ(qAlpha(got), 255);
    }
  }
}

TestJpegOptions Options(Kind kind, bool progressive = false, bool adobe = true,
                        bool fullChroma = true) {
  TestJpegOptions options;
  options.kind = kind;
  options.progressive = progressive;
  options.adobeMarker = adobe;
  options.fullChroma = fullChroma;
  return options;
}

INSTANTIATE_TEST_SUITE_P(
    Variants, JpegColourModels,
    ::testing::Values(ColourCase{"Ycbcr", Options(Kind::Rgb), false},
                      ColourCase{"YcbcrSubsampled", Options(Kind::Rgb, false, true, false), false},
                      ColourCase{"YcbcrProgressive", Options(Kind::Rgb, true, true, false), false},
                      ColourCase{"Greyscale", Options(Kind::Grey), false},
                      ColourCase{"GreyscaleProgressive", Options(Kind::Grey, true), false},
                      ColourCase{"CmykAdobeInverted", Options(Kind::Cmyk), true},
                      ColourCase{"CmykPlainWithoutAdobeMarker", Options(Kind::Cmyk, false, false),
                                 false},
                      ColourCase{"CmykProgressive", Options(Kind::Cmyk, true), true},
                      ColourCase{"Ycck", Options(Kind::Ycck), true}),
    [](const ::testing::TestParamInfo<ColourCase>& variant) { return variant.param.name; });

// ---------------------------------------------------------------------------------------
// Limits

QByteArray TestJpeg(int width, int height, TestJpegOptions options = Options(Kind::Grey)) {
  std::vector<uchar> samples(static_cast<size_t>(width) * static_cast<size_t>(height) *
                             (options.kind == Kind::Cmyk || options.kind == Kind::Ycck ? 4
                              : options.kind == Kind::Rgb                              ? 3
                                                                                       : 1));
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<uchar>(i * 7);
  return WriteTestJpeg(width, height, samples, options);
}

// The frame header claims another size; the scan data stays that of the real image.
QByteArray WithClaimedSize(QByteArray jpeg, int width, int height) {
  qsizetype sof = FindMarker(jpeg, 0xC0);
  if (sof < 0) sof = FindMarker(jpeg, 0xC2);
  EXPECT_GE(sof, 0);
  qToBigEndian(static_cast<quint16>(height), jpeg.data() + sof + 5);
  qToBigEndian(static_cast<quint16>(width), jpeg.data() + sof + 7);
  return jpeg;
}

TEST(TextureLimits, OversizedJpegHeadersAreRefusedBeforeDecoding) {
  const QByteArray small = TestJpeg(16, 16);
  const QByteArray colour = TestJpeg(16, 16, Options(Kind::Rgb));
  const QByteArray cmyk = TestJpeg(16, 16, Options(Kind::Cmyk));
  const struct {
    QByteArray jpeg;
    const char* detail;
  } cases[] = {
      // Every one of these would need gigabytes if it were decoded.
      {WithClaimedSize(small, 65000, 65000), "It has 65000 × 65000 pixels"},
      {WithClaimedSize(small, 16385, 8), "16384 pixels per side"},
      {WithClaimedSize(colour, 8, 16385), "16384 pixels per side"},
      {WithClaimedSize(colour, 16384, 4097), "64 megapixels"},
      {WithClaimedSize(colour, 8193, 8193), "64 megapixels"},
      // Four components take more of libjpeg's memory per pixel.
      {WithClaimedSize(cmyk, 8192, 6145), "48 megapixels"},
  };
  for (const auto& c : cases) {
    QString error;
    EXPECT_TRUE(DecodeJpegTexture(c.jpeg, &error).isNull());
    EXPECT_TRUE(error.startsWith(QStringLiteral("Texture image is too large"))) << Str(error);
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.detail))) << Str(error);
  }
}

TEST(TextureLimits, JpegAtTheSideLimitLoads) {
  QString error;
  const QImage texture = DecodeJpegTexture(TestJpeg(kMaxTextureSide, 8), &error);
  EXPECT_EQ(texture.size(), QSize(kMaxTextureSide, 8)) << Str(error);
}

// A bitmap header of the given size with no pixels behind it.
QByteArray BmpClaiming(qint32 width, qint32 height) {
  QByteArray bmp = EncodeBmp(Pattern(2, 2));
  qToLittleEndian(width, bmp.data() + 18);
  qToLittleEndian(height, bmp.data() + 22);
  return bmp;
}

TEST(TextureLimits, OversizedBitmapHeadersAreRefusedBeforeDecoding) {
  const struct {
    QByteArray bmp;
    const char* detail;
  } cases[] = {
      {BmpClaiming(100000, 100000), "It has 100000 × 100000 pixels"},
      {BmpClaiming(100000, -100000), "It has 100000 × 100000 pixels"},
      {BmpClaiming(16385, 1), "16384 pixels per side"},
      {BmpClaiming(1, -16385), "16384 pixels per side"},
      {BmpClaiming(8193, 8193), "64 megapixels"},
      {BmpClaiming(0x7fffffff, 0x7fffffff), "It has 2147483647 × 2147483647 pixels"},
  };
  for (const auto& c : cases) {
    QString error;
    EXPECT_TRUE(DecodeBmpTexture(c.bmp, &error).isNull());
    EXPECT_TRUE(error.startsWith(QStringLiteral("Texture image is too large"))) << Str(error);
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.detail))) << Str(error);
  }
}

TEST(TextureLimits, ProgressiveScansAreCountedUpToTheLimit) {
  TestJpegOptions options = Options(Kind::Grey, true);
  options.scans = kMaxJpegScans;
  const QByteArray atLimit = TestJpeg(16, 16, options);
  options.scans = kMaxJpegScans + 1;
  const QByteArray overLimit = TestJpeg(16, 16, options);

  QString error;
  EXPECT_EQ(DecodeJpegTexture(atLimit, &error).size(), QSize(16, 16)) << Str(error);
  error.clear();
  EXPECT_TRUE(DecodeJpegTexture(overLimit, &error).isNull());
  EXPECT_EQ(error, QStringLiteral("JPEG image is not valid\nThe file has more than %1 progressive "
                                  "scans.")
                       .arg(kMaxJpegScans));
}

TEST(TextureLimits, ProgressiveBuffersStayWithinTheMemoryLimit) {
  // 256 x 256 progressive colour needs about 400 KB of coefficients at full chroma.
  const QByteArray jpeg = TestJpeg(256, 256, Options(Kind::Rgb, true));
  const auto decode = [&](long maxMemory, JpegFailure* failure) {
    JpegDecoder decoder(jpeg, kMaxJpegScans, maxMemory);
    JpegHeader header;
    QImage image(256, 256, QImage::Format_RGB32);
    const bool ok =
        decoder.readHeader(&header) && decoder.readPixels(image.bits(), image.bytesPerLine());
    *failure = decoder.failure();
    return ok;
  };
  JpegFailure failure;
  EXPECT_TRUE(decode(4 << 20, &failure)) << Str(failure.text);
  EXPECT_FALSE(decode(64 << 10, &failure));
  EXPECT_TRUE(failure.library);
  EXPECT_EQ(failure.text, QStringLiteral("Backing store not supported"));
}

// ---------------------------------------------------------------------------------------
// Damaged and foreign data: refused with libjpeg's message, never a partial picture.

struct BrokenJpeg {
  const char* name;
  QByteArray data;
  const char* message;  // libjpeg's text for the case
};

std::vector<BrokenJpeg> BrokenJpegCases() {
  QString error;
  const QByteArray baseline = EncodeJpeg(Pattern(64, 48), &error);
  const QByteArray progressive = TestJpeg(64, 48, Options(Kind::Rgb, true));
  const qsizetype scan = FindMarker(baseline, 0xDA);
  QByteArray markerInScan = baseline;
  markerInScan[scan + 40] = '\xFF';
  markerInScan[scan + 41] = '\xD9';
  return {
      {"Empty", QByteArray(), "Empty input file"},
      {"Text", QByteArray("this is not a picture"), "Not a JPEG file"},
      {"Bitmap", EncodeBmp(Pattern(8, 8)), "Not a JPEG file"},
      {"StartMarkerOnly", QByteArray("\xFF\xD8", 2), "Premature end of JPEG file"},
      {"CutInHeaders", baseline.left(scan - 30), "Premature end of JPEG file"},
      {"CutInScan", baseline.left(baseline.size() / 2), "Premature end of JPEG file"},
      {"CutBeforeEndMarker", baseline.left(baseline.size() - 2), "Premature end of JPEG file"},
      {"CutInProgressiveScans", progressive.left(progressive.size() * 3 / 4),
       "Premature end of JPEG file"},
      {"MarkerInsideScan", markerInScan, "Corrupt JPEG data"},
      {"ZeroWidth", WithClaimedSize(baseline, 0, 48), "Empty JPEG image"},
  };
}

void PrintTo(const BrokenJpeg& c, std::ostream* out) {
  *out << c.name;
}

class BrokenJpegs : public ::testing::TestWithParam<BrokenJpeg> {};

TEST_P(BrokenJpegs, AreRefusedWithLibjpegsMessage) {
  QString error;
  EXPECT_TRUE(DecodeJpegTexture(GetParam().data, &error).isNull());
  EXPECT_TRUE(error.startsWith(QStringLiteral("JPEG error #"))) << Str(error);
  EXPECT_TRUE(error.contains(QString::fromLatin1(GetParam().message))) << Str(error);
}

INSTANTIATE_TEST_SUITE_P(Table, BrokenJpegs, ::testing::ValuesIn(BrokenJpegCases()),
                         [](const ::testing::TestParamInfo<BrokenJpeg>& broken) {
                           return std::string(broken.param.name);
                         });

TEST(BrokenBitmaps, CutShortFilesAreRefused) {
  const QByteArray bmp = EncodeBmp(Pattern(7, 5));
  for (const qsizetype keep : {qsizetype{0}, qsizetype{10}, qsizetype{40}, qsizetype{54},
                               bmp.size() / 2, bmp.size() - 1}) {
    QString error;
    EXPECT_TRUE(DecodeBmpTexture(bmp.left(keep), &error).isNull()) << keep;
    EXPECT_TRUE(error.startsWith(QStringLiteral("Bitmap image is not valid\n"))) << Str(error);
  }
  QString error;
  EXPECT_EQ(DecodeBmpTexture(bmp, &error), Pattern(7, 5)) << Str(error);
}

// Random damage to valid files: whatever happens, no crash, no hang, and either a refusal
// with a message or a whole RGB32 picture within the limits.
template <typename Decode>
void Mutate(const QByteArray& original, Decode decode, int rounds) {
  std::mt19937 random(20240611);
  for (int round = 0; round < rounds; ++round) {
    QByteArray data = original;
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
      data[static_cast<qsizetype>(random() % static_cast<unsigned>(data.size()))] =
          static_cast<char>(random());
    }
    if (random() % 4 == 0) data.truncate(static_cast<qsizetype>(random() % data.size()));
    QString error;
    const QImage image = decode(data, &error);
    if (image.isNull()) {
      EXPECT_FALSE(error.isEmpty()) << "round " << round;
    } else {
      EXPECT_EQ(image.format(), QImage::Format_RGB32) << "round " << round;
      EXPECT_LE(image.width(), kMaxTextureSide);
      EXPECT_LE(image.height(), kMaxTextureSide);
    }
  }
}

TEST(DamagedData, RandomlyDamagedJpegsNeverCrash) {
  QString error;
  Mutate(EncodeJpeg(Pattern(48, 32), &error), DecodeJpegTexture, 300);
  Mutate(TestJpeg(48, 32, Options(Kind::Rgb, true)), DecodeJpegTexture, 300);
  Mutate(TestJpeg(24, 16, Options(Kind::Cmyk, true)), DecodeJpegTexture, 200);
}

TEST(DamagedData, RandomlyDamagedBitmapsNeverCrash) {
  Mutate(EncodeBmp(Pattern(21, 13)), DecodeBmpTexture, 300);
  QFile rle(QStringLiteral(TESSARO_TESTDATA "/bmpsuite/g/pal8rle.bmp"));
  ASSERT_TRUE(rle.open(QIODevice::ReadOnly));
  Mutate(rle.readAll(), DecodeBmpTexture, 300);
}

}  // namespace
