#pragma once

#include <QByteArrayView>
#include <QStringView>

// Positions and checks of texts read from files, for messages that name the place.
// Lines end with LF, CR LF or a lone CR; lines and columns count from 1, columns in
// characters.
struct TextPosition {
  qsizetype line;
  qsizetype column;
};
TextPosition PositionOf(QByteArrayView utf8, qsizetype offset);

// The line of the first bytes that are not UTF-8 (Qt would replace them without a word);
// 0 when the text is UTF-8 throughout.
qsizetype FirstNonUtf8Line(QByteArrayView text);

// Whether a text holds half a surrogate pair on its own, which no UTF-8 can carry (a JSON
// escape such as \ud800 makes one).
bool HasLoneSurrogate(QStringView text);

// A UTF-8 byte order mark, which a reader may skip.
inline constexpr qsizetype kUtf8BomSize = 3;
bool StartsWithUtf8Bom(QByteArrayView text);
