// JPEG textures: bytes -> the JPEG decoder of LoadTextureImage, with its limits.
#include <cstdint>

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
  CheckTextureOutcome(DecodeJpegTexture(bytes, &error), error);
  return 0;
}
