#include "ShortString.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {
// Characters of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool encodeChar(char16_t c, char* out) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
    *out = static_cast<char>(c);
    return true;
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) {
      *out = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}
}  // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    text[i] = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t{b});
  }
  return text;
}

QByteArray EncodeWindows1252(const QString& text, bool* lossy) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  bool replaced = false;
  qsizetype n = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    // A surrogate pair is one character, and one "?".
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    if (!encodeChar(c, &bytes[n])) {
      bytes[n] = '?';
      replaced = true;
    }
    ++n;
  }
  bytes.truncate(n);
  if (lossy) *lossy = replaced;
  return bytes;
}

QByteArray ShortString::bytes() const {
  return QByteArray(chars, length);
}

void ShortString::setBytes(const QByteArray& text) {
  const auto n = static_cast<std::size_t>(std::min<qsizetype>(text.size(), sizeof chars));
  std::memcpy(chars, text.constData(), n);
  std::memset(chars + n, 0, sizeof chars - n);
  length = static_cast<std::uint8_t>(n);
}

QString ShortString::text() const {
  return DecodeWindows1252(bytes());
}

bool ShortString::setText(const QString& text) {
  bool lossy = false;
  setBytes(EncodeWindows1252(text, &lossy));
  return !lossy;
}
