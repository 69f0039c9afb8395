#include "TextureImage.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <array>
#include <bit>

#include "AtomicFile.h"
#include "BmpHeader.h"
#include "JpegCodec.h"

namespace {

// Messages name the file when there is one; the byte decoders have none to name.
QString In(const QString& where) {
  return where.isEmpty() ? QString() : QStringLiteral(" in ") + where;
}
QString Paren(const QString& where) {
  return where.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(where);
}

QString TooLarge(qint64 width, qint64 height, qint64 maxPixels, const QString& where) {
  return QStringLiteral(
             "Texture image is too large%1\nIt has %2 × %3 pixels; a texture may have at most %4 "
             "pixels per side and %5 megapixels.")
      .arg(Paren(where))
      .arg(width)
      .arg(height)
      .arg(kMaxTextureSide)
      .arg(maxPixels >> 20);
}

bool WithinPixelLimits(qint64 width, qint64 height, qint64 maxPixels) {
  return width <= kMaxTextureSide && height <= kMaxTextureSide && width * height <= maxPixels;
}

QString NotValidBitmap(const QString& reason, const QString& where) {
  return QStringLiteral("Bitmap image is not valid%1\n%2").arg(Paren(where), reason);
}

QImage DecodeJpeg(const QByteArray& data, const QString& where, QString* error) {
  JpegDecoder decoder(data, kMaxJpegScans, kMaxJpegScanSamples, kMaxJpegMemory);
  const auto failed = [&]() {
    const JpegFailure& failure = decoder.failure();
    *error =
        failure.library
            ? QStringLiteral("JPEG error #%1 (%2)%3").arg(failure.code).arg(failure.text, In(where))
            : QStringLiteral("JPEG image is not valid%1\n%2").arg(Paren(where), failure.text);
    return QImage();
  };
  JpegHeader header;
  if (!decoder.readHeader(&header)) return failed();
  const qint64 maxPixels = qMin(kMaxTexturePixels, kMaxJpegSamples / qMax(1, header.components));
  if (!WithinPixelLimits(header.width, header.height, maxPixels)) {
    *error = TooLarge(header.width, header.height, maxPixels, where);
    return {};
  }
  QImage image(header.width, header.height, QImage::Format_RGB32);
  if (image.isNull()) {
    *error = QStringLiteral("Not enough memory for the texture image%1").arg(Paren(where));
    return {};
  }
  if (!decoder.readPixels(image.bits(), image.bytesPerLine())) return failed();
  return image;
}

// A channel of n bits (1..7) as Qt's reader leaves it, the value shifted up by 8 - n (so a
// 5-bit 31 reads 248), spread over the full 0..255 by repeating its bits: 31 becomes 255 and
// white stays white. Other masks are left as read.
std::array<uchar, 256> ChannelExpansion(quint32 mask) {
  std::array<uchar, 256> table;
  for (int v = 0; v < 256; ++v)
    table[v] = static_cast<uchar>(v);
  if (mask == 0) return table;
  const quint32 bits = mask >> std::countr_zero(mask);
  const int n = std::popcount(bits);
  if ((bits & (bits + 1)) != 0 || n >= 8) return table;  // not one run of 1..7 bits
  for (int v = 0; v < 256; ++v) {
    const int c = v >> (8 - n);
    int expanded = 0;
    for (int shift = 8 - n; shift > -n; shift -= n)
      expanded |= shift >= 0 ? c << shift : c >> -shift;
    table[v] = static_cast<uchar>(expanded);
  }
  return table;
}

void ExpandNarrowChannels(QImage& texture, const BmpHeader& header) {
  const auto red = ChannelExpansion(header.redMask);
  const auto green = ChannelExpansion(header.greenMask);
  const auto blue = ChannelExpansion(header.blueMask);
  for (int y = 0; y < texture.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(texture.scanLine(y));
    for (int x = 0; x < texture.width(); ++x) {
      row[x] = qRgb(red[qRed(row[x])], green[qGreen(row[x])], blue[qBlue(row[x])]);
    }
  }
}

QImage DecodeBmp(const QByteArray& data, const QString& where, QString* error) {
  BmpHeader header;
  QString reason;
  if (!ParseBmpHeader(data, &header, &reason)) {
    *error = NotValidBitmap(reason, where);
    return {};
  }
  if (!WithinPixelLimits(header.width, header.height, kMaxTexturePixels)) {
    *error = TooLarge(header.width, header.height, kMaxTexturePixels, where);
    return {};
  }
  // Qt's reader makes a partial picture of a cut-off file without a word.
  if (data.size() < header.requiredFileBytes) {
    *error = NotValidBitmap(QStringLiteral("The file is cut short: it has %1 bytes, its pixels "
                                           "need %2.")
                                .arg(data.size())
                                .arg(header.requiredFileBytes),
                            where);
    return {};
  }
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  reader.setDecideFormatFromContent(false);
  // Above the largest texture as RGB32, so only our own limits speak.
  reader.setAllocationLimit(static_cast<int>((kMaxTexturePixels * 4 >> 20) + 1));
  const QImage image = reader.read();
  if (image.isNull()) {
    *error = NotValidBitmap(reader.errorString(), where);
    return {};
  }
  if (image.width() != header.width || image.height() != header.height) {
    *error = NotValidBitmap(QStringLiteral("The picture does not have the size its header gives."),
                            where);
    return {};
  }
  QImage texture = image.convertToFormat(QImage::Format_RGB32);
  if (header.bitsPerPixel == 16) ExpandNarrowChannels(texture, header);
  return texture;
}

bool EndsWithUpper(const QString& path, QLatin1String ending) {
  if (path.size() < ending.size()) return false;
  const qsizetype start = path.size() - ending.size();
  for (qsizetype i = 0; i < ending.size(); ++i) {
    char16_t c = path.at(start + i).unicode();
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    if (c != static_cast<char16_t>(ending.at(i).unicode())) return false;
  }
  return true;
}

}  // namespace

TextureFormat TextureFormatOf(const QString& path) {
  if (EndsWithUpper(path, QLatin1String(".JPG")) || EndsWithUpper(path, QLatin1String(".JPEG"))) {
    return TextureFormat::Jpeg;
  }
  if (EndsWithUpper(path, QLatin1String(".BMP")) || EndsWithUpper(path, QLatin1String(".DIB"))) {
    return TextureFormat::Bmp;
  }
  return TextureFormat::Unknown;
}

QImage DecodeJpegTexture(const QByteArray& data, QString* error) {
  return DecodeJpeg(data, QString(), error);
}

QImage DecodeBmpTexture(const QByteArray& data, QString* error) {
  return DecodeBmp(data, QString(), error);
}

bool LoadTextureImage(const QString& path, QImage* texture, QString* error) {
  const QString where = QDir::toNativeSeparators(path);
  const TextureFormat format = TextureFormatOf(path);
  if (format == TextureFormat::Unknown) {
    *error = QStringLiteral("Unknown file extension (%1)").arg(where);
    return false;
  }
  const auto tooLarge = [&]() {
    *error =
        QStringLiteral("Texture file is too large (%1)\nA texture file may have at most %2 MiB.")
            .arg(where)
            .arg(kMaxTextureFileBytes >> 20);
    return false;
  };
  // Ask for no more than the file holds: the reader reserves what it is asked for.
  const qint64 fileSize = QFileInfo(path).size();
  if (fileSize > kMaxTextureFileBytes) return tooLarge();
  QByteArray data;
  if (!ReadFileHead(path, fileSize + 1, &data, error)) return false;
  if (data.size() > kMaxTextureFileBytes) return tooLarge();  // grew while we looked

  QImage image = format == TextureFormat::Jpeg ? DecodeJpeg(data, where, error)
                                               : DecodeBmp(data, where, error);
  if (image.isNull()) return false;
  *texture = std::move(image);
  return true;
}
