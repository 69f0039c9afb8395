#include "DesignFile.h"

#include <cstring>

#include "AtomicFile.h"

namespace {
constexpr qsizetype kFontSizeOffset = kDesignRecordSize;
constexpr qsizetype kFontNameOffset = kFontSizeOffset + 4;
constexpr qsizetype kFontStyleOffset = kFontNameOffset + 256;
static_assert(kFontStyleOffset + 1 == kDesignFileSize);
}  // namespace

QByteArray EncodeDesignFile(const ButtonDesign& design, const CaptionFont& font) {
  QByteArray data(kDesignFileSize, '\0');
  std::memcpy(data.data(), design.bytes().data(), kDesignRecordSize);
  const std::int32_t size = font.size;
  std::memcpy(data.data() + kFontSizeOffset, &size, sizeof size);
  ShortString name{};
  name.setText(font.name);
  std::memcpy(data.data() + kFontNameOffset, &name, sizeof name);
  data[kFontStyleOffset] = static_cast<char>(font.styleBits());
  return data;
}

bool DecodeDesignFile(const QByteArray& data, ButtonDesign& design, CaptionFont& font) {
  if (data.size() < kDesignFileSize) return false;
  std::memcpy(design.bytes().data(), data.constData(), kDesignRecordSize);
  std::int32_t size = 0;
  std::memcpy(&size, data.constData() + kFontSizeOffset, sizeof size);
  ShortString name;
  std::memcpy(&name, data.constData() + kFontNameOffset, sizeof name);
  font.size = size;
  font.setStyleBits(static_cast<std::uint8_t>(data[kFontStyleOffset]));
  font.name = name.text();
  return true;
}

QString InvalidFileMessage(const QString& path) {
  return QStringLiteral("Invalid file \"%1\"").arg(path);
}

QString TextureNotFoundMessage(const QString& texturePath) {
  return QStringLiteral("Couldnt find or open texturefile\"%1\"").arg(texturePath);
}

bool SaveDesign(const QString& path, const ButtonDesign& design, const CaptionFont& font,
                QString* error) {
  return WriteFileAtomically(path, EncodeDesignFile(design, font), error);
}

void ResetDesign(ButtonDesign& design, CaptionFont& font, DesignHost& host) {
  ResetDesignFields(design, font);
  SetLastTextIndex(design);
  host.clearTexture();
  host.syncControls();
}

bool LoadDesign(const QString& path, ButtonDesign& design, CaptionFont& font, DesignHost& host) {
  QByteArray data;
  QString readError;
  const bool read = ReadFileHead(path, kDesignFileSize, &data, &readError) &&
                    DecodeDesignFile(data, design, font);
  if (!read) {
    host.showMessage(InvalidFileMessage(path));
    ResetDesign(design, font, host);
  } else {
    BringIntoRange(design);
    if (!design.TextureFile.isEmpty()) {
      const QString texture = design.TextureFile.text();
      if (!host.loadTexture(texture)) {
        host.showMessage(TextureNotFoundMessage(texture));
        design.TextureFile.length = 0;
      }
    }
    SetLastTextIndex(design);
  }
  host.syncControls();
  host.render();
  return read;
}
