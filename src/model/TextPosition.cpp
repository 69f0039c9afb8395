#include "TextPosition.h"

#include <QStringDecoder>
#include <algorithm>

namespace {
bool isUtf8(QByteArrayView bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = decoder.decode(bytes);
  return !decoder.hasError();
}

// The end of the line that starts at `start` (its break excluded), and where the next begins.
qsizetype lineEnd(QByteArrayView text, qsizetype start, qsizetype* next) {
  qsizetype i = start;
  while (i < text.size() && text[i] != '\n' && text[i] != '\r')
    ++i;
  *next = i;
  if (i < text.size())
    *next = (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? i + 2 : i + 1;
  return i;
}
}  // namespace

TextPosition PositionOf(QByteArrayView utf8, qsizetype offset) {
  offset = std::clamp<qsizetype>(offset, 0, utf8.size());
  qsizetype line = 1, start = 0;
  for (qsizetype i = 0; i < offset; ++i) {
    const bool crOfCrLf = utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n';
    if (utf8[i] == '\n' || (utf8[i] == '\r' && !crOfCrLf)) {
      ++line;
      start = i + 1;
    }
  }
  qsizetype column = 1;
  for (qsizetype i = start; i < offset; ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) ++column;  // not a continuation
  }
  return {line, column};
}

qsizetype FirstNonUtf8Line(QByteArrayView text) {
  if (isUtf8(text)) return 0;
  qsizetype line = 1, start = 0, next = 0;
  while (start <= text.size()) {
    const qsizetype end = lineEnd(text, start, &next);
    if (!isUtf8(text.sliced(start, end - start))) return line;
    if (next == end) break;
    ++line;
    start = next;
  }
  return line;
}

bool HasLoneSurrogate(QStringView text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      ++i;
    } else if (c.isSurrogate()) {
      return true;
    }
  }
  return false;
}

bool StartsWithUtf8Bom(QByteArrayView text) {
  return text.startsWith("\xEF\xBB\xBF");
}
