#pragma once

#include <QByteArray>
#include <QString>

// What the headers of a Windows bitmap file promise, read before any pixel is decoded so
// that oversized or truncated files are refused up front.
struct BmpHeader {
  qint64 width = 0;
  qint64 height = 0;  // rows, whichever way they run
  int bitsPerPixel = 0;
  quint32 compression = 0;
  // The bytes the file must hold for its pixels to be complete; 0 when that cannot be told
  // from the headers (compressed pixels).
  qint64 requiredFileBytes = 0;
};

// False with *reason set when the headers are missing, cut short or impossible.
bool ParseBmpHeader(const QByteArray& data, BmpHeader* header, QString* reason);
