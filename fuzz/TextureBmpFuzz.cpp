// Bitmap textures: bytes -> the BMP reader of LoadTextureImage, with its limits.
#include <cstdint>

#include "BmpHeader.h"
#include "FuzzCheck.h"
#include "TextureCheck.h"
#include "TextureImage.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QString error;
  const QImage image = DecodeBmpTexture(bytes, &error);
  CheckTextureOutcome(image, error);
  if (!image.isNull()) {
    // Only a file whose header promised this picture, and held all of its pixels, loads.
    BmpHeader header;
    QString reason;
    FUZZ_CHECK(ParseBmpHeader(bytes, &header, &reason));
    FUZZ_CHECK(image.width() == header.width && image.height() == header.height);
    FUZZ_CHECK(bytes.size() >= header.requiredFileBytes);
  }
  return 0;
}
