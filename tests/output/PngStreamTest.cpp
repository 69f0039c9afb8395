#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include "ImageExport.h"
#include "PngStream.h"
#include "RandomGenerator.h"

namespace {

QImage Decoded(const QByteArray& png) {
  QBuffer buffer;
  buffer.setData(png);
  QImageReader reader(&buffer, "png");
  return reader.read();
}

// Pixels of every kind: opaque, clear, half covered, in colours of every channel value.
QImage Sample(int width, int height, QImage::Format format) {
  QImage image(width, height, QImage::Format_ARGB32);
  SetRandomSeed(static_cast<std::uint32_t>(width * 1000 + height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int alpha = (x + y) % 3 == 0 ? 255 : (x + y) % 3 == 1 ? 0 : RandomInt(256);
      image.setPixel(x, y, qRgba(RandomInt(256), RandomInt(256), RandomInt(256), alpha));
    }
  }
  return image.convertToFormat(format);
}

// A PNG holds every pixel exactly, with straight alpha when the image has alpha and without
// an alpha channel when it has none.
TEST(PngStream, HoldsEveryPixelOfEveryImageFormat) {
  const struct {
    int width, height;
    QImage::Format format;
    bool alpha;
  } cases[] = {
      {1, 1, QImage::Format_ARGB32, true},   {37, 5, QImage::Format_ARGB32, true},
      {37, 5, QImage::Format_RGB32, false},  {20, 9, QImage::Format_ARGB32_Premultiplied, true},
      {16, 3, QImage::Format_RGB888, false}, {5, 40, QImage::Format_Grayscale8, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " format " << c.format);
    const QImage image = Sample(c.width, c.height, c.format);
    QString error;
    const QImage read = Decoded(EncodePng(image, &error));
    ASSERT_FALSE(read.isNull()) << error.toStdString();
    EXPECT_EQ(read.hasAlphaChannel(), c.alpha);
    const QImage::Format compared = c.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    EXPECT_EQ(read.convertToFormat(compared), image.convertToFormat(compared));
    EXPECT_EQ(read.dotsPerMeterX(), image.dotsPerMeterX());
  }
}

// Rows given a few at a time make the same file as all at once; rows that do not fit are
// refused and make no file.
TEST(PngStream, TakesRowsInBandsAndRefusesRowsThatDoNotFit) {
  const QImage image = Sample(30, 17, QImage::Format_ARGB32);
  QString error;
  const QByteArray whole = EncodePng(image, &error);
  PngStream bands(30, 17, true, image.dotsPerMeterX(), image.dotsPerMeterY());
  for (int y = 0; y < 17; y += 5)
    ASSERT_TRUE(bands.addRows(image.copy(0, y, 30, std::min(5, 17 - y))));
  EXPECT_EQ(bands.finish(&error), whole);

  const struct {
    const char* what;
    int width, height;
    QList<QImage> rows;
  } refused[] = {
      {"a row too many", 30, 16, {image}},
      {"rows missing", 30, 18, {image}},
      {"rows of another width", 30, 17, {image.copy(0, 0, 31, 17)}},
      {"no alpha for an image with alpha", 30, 17, {image.convertToFormat(QImage::Format_RGB32)}},
      {"no pixels", 0, 17, {}},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    PngStream png(c.width, c.height, true);
    for (const QImage& rows : c.rows)
      png.addRows(rows);
    QString why;
    EXPECT_TRUE(png.finish(&why).isEmpty());
    EXPECT_FALSE(why.isEmpty());
  }
}

}  // namespace
