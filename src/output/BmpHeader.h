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
  // The bytes the file must hold for its pixels to be complete: from the header for plain
  // pixels, from a walk over the stream for run-length ones (more than the file holds when
  // the stream is cut short); 0 when that cannot be told (other compressions).
  qint64 requiredFileBytes = 0;
  // The colour masks of a 16-bit file (its own, or 5-5-5 by default); zero otherwise.
  quint32 redMask = 0, greenMask = 0, blueMask = 0;
};

// False with *reason set when the headers are missing, cut short or impossible.
bool ParseBmpHeader(const QByteArray& data, BmpHeader* header, QString* reason);
