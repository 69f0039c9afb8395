#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <string>

// jpeglib.h expects FILE and size_t to be declared before it.
#include <cstdio>

#include <jpeglib.h>

#include "ImageExport.h"
#include "JpegTestSupport.h"

namespace {

// A smooth diagonal gradient in which every channel varies in both directions. Smooth, so
// that chroma subsampling costs only rounding-sized errors.
QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const int r = 255 * x / std::max(1, width - 1);
      const int g = 255 * y / std::max(1, height - 1);
      row[x] = qRgb(r, g, 255 - (r + g) / 2);
    }
  }
  return image;
}

struct Difference {
  int worst = 0;
  double mean = 0;
};

Difference ChannelDifference(const QImage& a, const QImage& b) {
  Difference d;
  qint64 sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      for (const int e : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) {
        d.worst = std::max(d.worst, e);
        sum += e;
      }
    }
  }
  d.mean = static_cast<double>(sum) / (3.0 * a.width() * a.height());
  return d;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class JpegExportSizes : public ::testing::TestWithParam<QSize> {};

TEST_P(JpegExportSizes, IsABaselineQuality100JfifOfTheImage) {
  const QImage source = Gradient(GetParam().width(), GetParam().height());
  QString error;
  const QByteArray jpeg = EncodeJpeg(source, &error);
  ASSERT_FALSE(jpeg.isEmpty()) << error.toStdString();

  const LibjpegView view = ReadWithLibjpeg(jpeg);
  ASSERT_TRUE(view.ok) << view.error.toStdString();
  EXPECT_EQ(view.width, source.width());
  EXPECT_EQ(view.height, source.height());
  EXPECT_EQ(view.components, 3);
  EXPECT_EQ(view.colourSpace, JCS_YCbCr);
  EXPECT_TRUE(view.jfif);
  EXPECT_FALSE(view.progressive);

  const std::vector<int> markers = MarkersBeforeScan(jpeg);
  EXPECT_NE(std::find(markers.begin(), markers.end(), 0xC0), markers.end()) << "no SOF0";
  EXPECT_EQ(std::find(markers.begin(), markers.end(), 0xC2), markers.end()) << "progressive";
  EXPECT_EQ(std::count(markers.begin(), markers.end(), 0xDA), 1) << "one scan only";

  // Quality 100 with baseline tables: every quantisation step is 1.
  ASSERT_EQ(view.quantTables.size(), 2u);
  for (const std::vector<int>& table : view.quantTables) {
    EXPECT_TRUE(std::all_of(table.begin(), table.end(), [](int q) { return q == 1; }));
  }
  // Only colour rounding and 2 x 2 chroma subsampling stand between source and result; the
  // latter costs most where the gradient is steepest (the small sizes).
  const Difference d = ChannelDifference(view.rgb, source);
  EXPECT_LE(d.mean, 2.0);
  EXPECT_LE(d.worst, 16);
}

INSTANTIATE_TEST_SUITE_P(Buttons, JpegExportSizes,
                         ::testing::Values(QSize(100, 20), QSize(506, 256), QSize(1, 1),
                                           QSize(37, 19)),
                         [](const ::testing::TestParamInfo<QSize>& size) {
                           return std::to_string(size.param.width()) + "x" +
                                  std::to_string(size.param.height());
                         });

TEST(JpegExport, EncodesTheColoursWhateverTheImageFormat) {
  const QImage source = Gradient(40, 24);
  QString error;
  const QByteArray reference = EncodeJpeg(source, &error);
  for (const QImage::Format format :
       {QImage::Format_RGB888, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
        QImage::Format_RGBX8888, QImage::Format_BGR888}) {
    EXPECT_EQ(EncodeJpeg(source.convertToFormat(format), &error), reference) << format;
  }
}

TEST(JpegExport, EmptyImageIsALibjpegErrorAndWritesNothing) {
  QString error;
  EXPECT_TRUE(EncodeJpeg(QImage(), &error).isEmpty());
  EXPECT_TRUE(error.startsWith(QStringLiteral("JPEG error #"))) << error.toStdString();

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("empty.jpg"));
  error.clear();
  EXPECT_FALSE(ExportJpeg(QImage(), path, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("JPEG error #")));
  EXPECT_TRUE(error.endsWith(QStringLiteral(" in ") + path)) << error.toStdString();
  EXPECT_FALSE(QFile::exists(path));
}

TEST(JpegExport, WritesTheEncodedBytesOverAnExistingFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("button.JPG"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
  }
  const QImage source = Gradient(100, 20);
  QString error;
  ASSERT_TRUE(ExportJpeg(source, path, &error)) << error.toStdString();
  EXPECT_EQ(ReadAll(path), EncodeJpeg(source, &error));
}

quint32 U32(const QByteArray& data, qsizetype offset) {
  return qFromLittleEndian<quint32>(data.constData() + offset);
}
quint16 U16(const QByteArray& data, qsizetype offset) {
  return qFromLittleEndian<quint16>(data.constData() + offset);
}

class BmpExportWidths : public ::testing::TestWithParam<int> {};

TEST_P(BmpExportWidths, HeaderDescribesAn24BitBottomUpBitmapWithPaddedRows) {
  const int width = GetParam();
  const int height = 3;
  const QByteArray bmp = EncodeBmp(Gradient(width, height));
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  ASSERT_EQ(bmp.size(), 54 + rowBytes * height);
  EXPECT_EQ(bmp.left(2), QByteArray("BM"));
  EXPECT_EQ(U32(bmp, 2), static_cast<quint32>(bmp.size()));
  EXPECT_EQ(U32(bmp, 6), 0u);    // reserved
  EXPECT_EQ(U32(bmp, 10), 54u);  // pixels right after the two headers, no palette
  EXPECT_EQ(U32(bmp, 14), 40u);  // BITMAPINFOHEADER
  EXPECT_EQ(static_cast<qint32>(U32(bmp, 18)), width);
  EXPECT_EQ(static_cast<qint32>(U32(bmp, 22)), height);  // positive: bottom-up
  EXPECT_EQ(U16(bmp, 26), 1);
  EXPECT_EQ(U16(bmp, 28), 24);
  EXPECT_EQ(U32(bmp, 30), 0u);  // BI_RGB
  EXPECT_EQ(U32(bmp, 34), static_cast<quint32>(rowBytes * height));
  EXPECT_EQ(U32(bmp, 46), 0u);  // no palette colours
  for (int y = 0; y < height; ++y) {
    for (int pad = width * 3; pad < rowBytes; ++pad) {
      EXPECT_EQ(bmp.at(54 + y * rowBytes + pad), 0) << "row " << y << " byte " << pad;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(OddAndEven, BmpExportWidths, ::testing::Values(1, 2, 3, 4, 5, 127, 506));

TEST(BmpExport, FirstStoredRowIsTheBottomRowInBlueGreenRedOrder) {
  QImage source(2, 2, QImage::Format_RGB32);
  source.setPixel(0, 0, qRgb(1, 2, 3));
  source.setPixel(1, 0, qRgb(4, 5, 6));
  source.setPixel(0, 1, qRgb(7, 8, 9));
  source.setPixel(1, 1, qRgb(10, 11, 12));
  const QByteArray bmp = EncodeBmp(source);
  EXPECT_EQ(bmp.mid(54, 8), QByteArray("\x09\x08\x07\x0c\x0b\x0a\0\0", 8));
  EXPECT_EQ(bmp.mid(62, 8), QByteArray("\x03\x02\x01\x06\x05\x04\0\0", 8));
}

TEST(BmpExport, QtReadsBackEveryPixelExactly) {
  QImage source(37, 11, QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x)
      source.setPixel(x, y, qRgb(x * 7, y * 23, x ^ y));
  }
  const QImage back = QImage::fromData(EncodeBmp(source), "bmp");
  ASSERT_EQ(back.size(), source.size());
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), source);
}

TEST(BmpExport, IgnoresTheFourthByteOfEachPixel) {
  const QImage source = Gradient(13, 5);
  QImage withJunk = source.copy();
  for (int y = 0; y < withJunk.height(); ++y) {
    uchar* row = withJunk.scanLine(y);
    for (int x = 0; x < withJunk.width(); ++x)
      row[4 * x + 3] = static_cast<uchar>(x * 40 + y);
  }
  EXPECT_EQ(EncodeBmp(withJunk), EncodeBmp(source));
  // Translucent pixels keep their colour; nothing is blended against a background.
  QImage translucent = source.convertToFormat(QImage::Format_ARGB32);
  translucent.setPixel(3, 2, qRgba(200, 100, 50, 10));
  const QImage back = QImage::fromData(EncodeBmp(translucent), "bmp");
  EXPECT_EQ(back.pixel(3, 2), qRgb(200, 100, 50));
}

TEST(BmpExport, RefusesAnEmptyImageNamingThePath) {
  EXPECT_TRUE(EncodeBmp(QImage()).isEmpty());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("empty.bmp"));
  QString error;
  EXPECT_FALSE(ExportBmp(QImage(), path, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("Bitmap image is not valid (") + path + ")"))
      << error.toStdString();
  EXPECT_FALSE(QFile::exists(path));
}

TEST(BmpExport, WritesTheEncodedBytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("button.BMP"));
  const QImage source = Gradient(101, 21);
  QString error;
  ASSERT_TRUE(ExportBmp(source, path, &error)) << error.toStdString();
  EXPECT_EQ(ReadAll(path), EncodeBmp(source));
}

}  // namespace
