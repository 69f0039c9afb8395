#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// A length-prefixed string of the design file: a length byte n, then 255 character
// bytes of which the first n are the text. The bytes past n carry no meaning: a loaded
// record keeps them, so it saves back byte for byte, and every write zeroes them, so no
// byte of a text written earlier outlives it in a later file.
struct ShortString {
  std::uint8_t length;
  char chars[255];

  QByteArray bytes() const;
  // Stores the first 255 bytes of text and zeroes the bytes past them.
  void setBytes(const QByteArray& text);
  // The empty string, every byte zero.
  void clear() { setBytes({}); }
  bool isEmpty() const { return length == 0; }

  // The text decoded from Windows-1252, the design file's code page.
  QString text() const;
  // Encodes to Windows-1252 and stores at most 255 characters. A character that the code
  // page cannot hold is stored as "?"; the result tells whether that happened, so an
  // editor can show the user what was really stored.
  bool setText(const QString& text);
};
static_assert(sizeof(ShortString) == 256);

// Windows-1252, both ways. Decoding maps every byte to one character (the five bytes the
// code page leaves undefined map to the C1 controls of the same number, as Windows does),
// so any byte string survives a decode and encode unchanged.
QString DecodeWindows1252(const QByteArray& bytes);
// Unmappable characters become "?"; *lossy (if given) tells whether any did.
QByteArray EncodeWindows1252(const QString& text, bool* lossy = nullptr);
