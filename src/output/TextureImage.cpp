#include "TextureImage.h"

#include <QDir>
#include <QImageReader>

TextureFormat TextureFormatOf(const QString& path) {
  const QString upper = path.toUpper();
  if (upper.endsWith(QLatin1String(".JPG")) || upper.endsWith(QLatin1String(".JPEG"))) {
    return TextureFormat::Jpeg;
  }
  if (upper.endsWith(QLatin1String(".BMP")) || upper.endsWith(QLatin1String(".DIB"))) {
    return TextureFormat::Bmp;
  }
  return TextureFormat::Unknown;
}

bool LoadTextureImage(const QString& path, QImage* texture, QString* error) {
  const TextureFormat format = TextureFormatOf(path);
  if (format == TextureFormat::Unknown) {
    *error = QStringLiteral("Unknown file extension (%1)").arg(path);
    return false;
  }
  QImageReader reader(path, format == TextureFormat::Jpeg ? "jpeg" : "bmp");
  reader.setDecideFormatFromContent(false);
  QImage image = reader.read();
  if (image.isNull()) {
    *error = QStringLiteral("Cannot open file %1\n%2").arg(QDir::toNativeSeparators(path),
                                                           reader.errorString());
    return false;
  }
  *texture = image.convertToFormat(QImage::Format_RGB32);
  return true;
}
