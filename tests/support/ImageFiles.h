#pragma once

#include <QImage>
#include <QImageReader>
#include <QString>

// A PNG file as ARGB32 (null when it cannot be read), whatever its name says.
inline QImage ReadPng(const QString& path) {
  QImageReader reader(path, "png");
  reader.setDecideFormatFromContent(false);
  return reader.read().convertToFormat(QImage::Format_ARGB32);
}
