#pragma once

#include <QImage>
#include <QString>

#include "FuzzCheck.h"
#include "TextureImage.h"

// What every texture decode must end in: an RGB32 picture within the limits and no message,
// or no picture and a message for the user.
inline void CheckTextureOutcome(const QImage& image, const QString& error) {
  if (image.isNull()) {
    FUZZ_CHECK(!error.isEmpty());
    return;
  }
  FUZZ_CHECK(error.isEmpty());
  FUZZ_CHECK(image.format() == QImage::Format_RGB32);
  FUZZ_CHECK(image.width() <= kMaxTextureSide && image.height() <= kMaxTextureSide);
  FUZZ_CHECK(qint64{image.width()} * image.height() <= kMaxTexturePixels);
}
