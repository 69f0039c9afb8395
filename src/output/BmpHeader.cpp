#include "BmpHeader.h"

#include <QtEndian>
#include <limits>

namespace {

constexpr qint64 kFileHeaderBytes = 14;
constexpr quint32 kOs2CoreHeaderBytes = 12;  // BITMAPCOREHEADER: 16-bit sizes, RGB palette
constexpr quint32 kInfoHeaderBytes = 40;     // BITMAPINFOHEADER
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitfields = 3;
constexpr quint32 kBiAlphaBitfields = 6;
constexpr quint32 kBiRle8 = 1;
constexpr quint32 kBiRle4 = 2;

// Walks a run-length stream from start: the offset where it ends (its end-of-bitmap marker,
// or the end-of-line of its last row). When the file ends first, the least size it would
// need to go on, more than it has: Qt's reader stops there without a word and shows the
// rows it had.
qint64 RleStreamEnd(const uchar* bytes, qint64 size, qint64 start, qint64 rows, int bpp) {
  qint64 pos = start;
  qint64 y = 0;
  while (y < rows) {
    if (pos + 2 > size) return pos + 2;
    const uchar count = bytes[pos];
    const uchar code = bytes[pos + 1];
    pos += 2;
    if (count > 0) continue;  // a run of count pixels of one value
    if (code == 0) {          // end of line
      ++y;
    } else if (code == 1) {  // end of bitmap
      return pos;
    } else if (code == 2) {  // move right and down
      if (pos + 2 > size) return pos + 2;
      y += bytes[pos + 1];
      pos += 2;
    } else {  // code pixels as they are, padded to a 16-bit word
      const qint64 n = bpp == 8 ? code : (code + 1) / 2;
      pos += (n + 1) / 2 * 2;
    }
  }
  return pos;
}

}  // namespace

bool ParseBmpHeader(const QByteArray& data, BmpHeader* header, QString* reason) {
  const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
  const qint64 size = data.size();
  if (size < kFileHeaderBytes + 4 || bytes[0] != 'B' || bytes[1] != 'M') {
    *reason = QStringLiteral("The file does not start with a bitmap file header.");
    return false;
  }
  const qint64 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
  const quint32 infoBytes = qFromLittleEndian<quint32>(bytes + 14);
  if (infoBytes < kOs2CoreHeaderBytes || (infoBytes > kOs2CoreHeaderBytes && infoBytes < 16) ||
      size < kFileHeaderBytes + infoBytes) {
    *reason = QStringLiteral("The bitmap header is missing or cut short.");
    return false;
  }
  const uchar* info = bytes + kFileHeaderBytes;
  quint32 paletteEntries = 0;
  int paletteEntryBytes = 4;
  if (infoBytes == kOs2CoreHeaderBytes) {
    header->width = qFromLittleEndian<quint16>(info + 4);
    header->height = qFromLittleEndian<quint16>(info + 6);
    header->bitsPerPixel = qFromLittleEndian<quint16>(info + 10);
    header->compression = kBiRgb;
    paletteEntryBytes = 3;
  } else {
    header->width = qFromLittleEndian<qint32>(info + 4);
    const qint64 height = qFromLittleEndian<qint32>(info + 8);  // negative: rows run top-down
    header->height = height < 0 ? -height : height;
    header->bitsPerPixel = qFromLittleEndian<quint16>(info + 14);
    header->compression = infoBytes >= 20 ? qFromLittleEndian<quint32>(info + 16) : kBiRgb;
    paletteEntries = infoBytes >= 36 ? qFromLittleEndian<quint32>(info + 32) : 0;
  }
  if (header->width <= 0 || header->height <= 0) {
    *reason = QStringLiteral("The bitmap claims a size of %1 × %2 pixels.")
                  .arg(header->width)
                  .arg(header->height);
    return false;
  }

  header->requiredFileBytes = 0;
  const int bpp = header->bitsPerPixel;
  if (bpp == 16) {
    // The masks follow a 40-byte header, or stand at the same place inside a longer one.
    const qint64 masksAt = kFileHeaderBytes + kInfoHeaderBytes;
    const bool ownMasks =
        (header->compression == kBiBitfields || header->compression == kBiAlphaBitfields) &&
        infoBytes >= kInfoHeaderBytes && infoBytes != 64 && masksAt + 12 <= size;
    header->redMask = ownMasks ? qFromLittleEndian<quint32>(bytes + masksAt) : 0x7C00;
    header->greenMask = ownMasks ? qFromLittleEndian<quint32>(bytes + masksAt + 4) : 0x03E0;
    header->blueMask = ownMasks ? qFromLittleEndian<quint32>(bytes + masksAt + 8) : 0x001F;
  }
  const bool knownDepth = bpp == 1 || bpp == 2 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 ||
                          bpp == 32 || bpp == 64;
  // Compression 3 means Huffman coding in an OS/2 2.x header (64 bytes), masks elsewhere.
  const bool uncompressed =
      header->compression == kBiRgb ||
      ((header->compression == kBiBitfields || header->compression == kBiAlphaBitfields) &&
       infoBytes != 64);
  const bool rle =
      (header->compression == kBiRle8 && bpp == 8) || (header->compression == kBiRle4 && bpp == 4);
  if (!knownDepth || !(uncompressed || rle)) return true;

  // The pixels start after the headers, the colour masks and the palette, or further on if
  // the file header says so; readers take whichever is later.
  qint64 masks = 0;
  if (infoBytes == kInfoHeaderBytes && header->compression == kBiBitfields) masks = 12;
  if (infoBytes == kInfoHeaderBytes && header->compression == kBiAlphaBitfields) masks = 16;
  qint64 palette = 0;
  if (bpp <= 8) {
    const quint32 full = 1u << bpp;
    palette = qint64{paletteEntryBytes} *
              (paletteEntries == 0 || paletteEntries > full ? full : paletteEntries);
  }
  const qint64 pixelStart = qMax(pixelOffset, kFileHeaderBytes + infoBytes + masks + palette);
  if (rle) {
    header->requiredFileBytes = RleStreamEnd(bytes, size, pixelStart, header->height, bpp);
    return true;
  }
  const qint64 rowBytes = (header->width * bpp + 31) / 32 * 4;
  qint64 pixelBytes = 0;
  if (qMulOverflow(rowBytes, header->height, &pixelBytes) ||
      qAddOverflow(pixelStart, pixelBytes, &header->requiredFileBytes)) {
    header->requiredFileBytes = std::numeric_limits<qint64>::max();  // no file holds that
  }
  return true;
}
