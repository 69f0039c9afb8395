#include "ImageExport.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <limits>

#include "AtomicFile.h"
#include "JpegCodec.h"
#include "PngStream.h"

namespace {

constexpr qint64 kBmpFileHeaderBytes = 14;
constexpr qint64 kBmpInfoHeaderBytes = 40;

QString Native(const QString& path) {
  return QDir::toNativeSeparators(path);
}

// Writes an encoded image, or reports `failure` when there is nothing (encoding failed).
bool WriteEncoded(const QByteArray& encoded, const QString& path, const QString& failure,
                  QString* error) {
  if (encoded.isEmpty()) {
    *error = failure;
    return false;
  }
  return WriteFileAtomically(path, encoded, error);
}

}  // namespace

QByteArray EncodeJpeg(const QImage& image, QString* error) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  QByteArray jpeg;
  JpegFailure failure;
  if (!CompressRgbJpeg(rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine(), &jpeg,
                       &failure)) {
    *error = QStringLiteral("JPEG error #%1 (%2)").arg(failure.code).arg(failure.text);
    return {};
  }
  return jpeg;
}

bool ExportJpeg(const QImage& image, const QString& path, QString* error) {
  QString reason;
  const QByteArray jpeg = EncodeJpeg(image, &reason);
  return WriteEncoded(jpeg, path, QStringLiteral("%1 in %2").arg(reason, Native(path)), error);
}

QByteArray EncodeBmp(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const qint64 width = rgb.width();
  const qint64 height = rgb.height();
  const qint64 rowBytes = (width * 3 + 3) & ~qint64{3};
  const qint64 pixelBytes = rowBytes * height;
  const qint64 headerBytes = kBmpFileHeaderBytes + kBmpInfoHeaderBytes;
  const qint64 fileBytes = headerBytes + pixelBytes;
  // The header holds the file and pixel sizes in 32 bits.
  if (fileBytes > std::numeric_limits<quint32>::max()) return {};

  QByteArray bmp(static_cast<qsizetype>(fileBytes), '\0');
  uchar* out = reinterpret_cast<uchar*>(bmp.data());
  const auto put16 = [out](qint64 offset, quint16 value) { qToLittleEndian(value, out + offset); };
  const auto put32 = [out](qint64 offset, quint32 value) { qToLittleEndian(value, out + offset); };
  // BITMAPFILEHEADER
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<quint32>(fileBytes));
  put32(10, static_cast<quint32>(headerBytes));
  // BITMAPINFOHEADER: a positive height means the rows run bottom-up.
  put32(14, kBmpInfoHeaderBytes);
  put32(18, static_cast<quint32>(width));
  put32(22, static_cast<quint32>(height));
  put16(26, 1);   // planes
  put16(28, 24);  // bits per pixel
  put32(30, 0);   // BI_RGB, uncompressed
  put32(34, static_cast<quint32>(pixelBytes));
  put32(38, static_cast<quint32>(qMax(0, rgb.dotsPerMeterX())));
  put32(42, static_cast<quint32>(qMax(0, rgb.dotsPerMeterY())));

  for (qint64 y = 0; y < height; ++y) {
    const auto* in =
        reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(height - 1 - y)));
    uchar* row = out + headerBytes + y * rowBytes;
    for (qint64 x = 0; x < width; ++x, row += 3) {
      row[0] = static_cast<uchar>(qBlue(in[x]));
      row[1] = static_cast<uchar>(qGreen(in[x]));
      row[2] = static_cast<uchar>(qRed(in[x]));
    }
  }
  return bmp;
}

bool ExportBmp(const QImage& image, const QString& path, QString* error) {
  const QByteArray bmp = EncodeBmp(image);
  if (bmp.isEmpty()) {
    *error = QStringLiteral(
                 "Bitmap image is not valid (%1)\nThe image is empty or too large for a "
                 "bitmap file.")
                 .arg(Native(path));
    return false;
  }
  return WriteFileAtomically(path, bmp, error);
}

QByteArray EncodePng(const QImage& image, QString* error) {
  const bool alpha = image.hasAlphaChannel();
  const QImage pixels = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  PngStream png(pixels.width(), pixels.height(), alpha, pixels.dotsPerMeterX(),
                pixels.dotsPerMeterY());
  png.addRows(pixels);
  return png.finish(error);
}

bool ExportPng(const QImage& image, const QString& path, QString* error) {
  QString reason;
  const QByteArray png = EncodePng(image, &reason);
  return WriteEncoded(png, path, QStringLiteral("Cannot encode %1: %2").arg(Native(path), reason),
                      error);
}

QString EndingOf(ImageType type) {
  switch (type) {
    case ImageType::Jpeg:
      return QStringLiteral("jpg");
    case ImageType::Bmp:
      return QStringLiteral("bmp");
    case ImageType::Png:
      break;
  }
  return QStringLiteral("png");
}

std::optional<ImageType> ImageTypeOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return ImageType::Jpeg;
  if (suffix == QLatin1String("bmp")) return ImageType::Bmp;
  if (suffix == QLatin1String("png")) return ImageType::Png;
  return std::nullopt;
}

bool ExportImage(const QImage& image, const QString& path, ImageType type, QString* error) {
  if (image.isNull()) {
    *error = QStringLiteral("The button is empty (a size of 0); nothing written to %1")
                 .arg(Native(path));
    return false;
  }
  switch (type) {
    case ImageType::Jpeg:
      return ExportJpeg(image, path, error);
    case ImageType::Bmp:
      return ExportBmp(image, path, error);
    case ImageType::Png:
      break;
  }
  return ExportPng(image, path, error);
}
