#pragma once

#include <QString>

// The numeric boxes' conversion of their text to a 32-bit integer. It never fails and
// never reports:
//   1. an empty text gives 0;
//   2. leading spaces (U+0020 only) are skipped;
//   3. one "-" or "+" may follow;
//   4. without a sign, "$", "x", "X", or "0" followed by "x" or "X" starts hexadecimal
//      digits (0-9, A-F, a-f); otherwise, and always after a sign, decimal digits
//      (ASCII 0-9) follow;
//   5. when the whole rest of the text is digits (at least one), the result is their
//      value, negated after "-";
//   6. otherwise the conversion stops at the first character that does not belong and the
//      result is the value of the digits read up to there, without the sign: 12abc is 12,
//      -5x is 5, and a text with no leading digit (a lone sign, a prefix alone, letters)
//      is 0.
// Values beyond 32 bits saturate: a number whose magnitude exceeds the range gives
// 2147483647, or -2147483648 when negated under rule 5; hexadecimal is a magnitude like
// decimal, so $80000000 gives 2147483647 rather than a wrapped negative number.
int LenientToInt(const QString& text);
