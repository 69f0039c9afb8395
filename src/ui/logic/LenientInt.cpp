#include "LenientInt.h"

#include <cstdint>
#include <limits>

namespace {
int digitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (base == 16 && u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (base == 16 && u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}
}  // namespace

int LenientToInt(const QString& text) {
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n && text[i] == u' ')
    ++i;
  bool negative = false;
  bool signed_ = false;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) {
    negative = text[i] == u'-';
    signed_ = true;
    ++i;
  }
  int base = 10;
  if (!signed_ && i < n) {
    if (text[i] == u'$' || text[i] == u'x' || text[i] == u'X') {
      base = 16;
      ++i;
    } else if (text[i] == u'0' && i + 1 < n && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
      base = 16;
      i += 2;
    }
  }
  // The magnitude is kept one past the largest negative value; beyond that it saturates.
  constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  qsizetype digits = 0;
  for (; i < n; ++i) {
    const int d = digitValue(text[i], base);
    if (d < 0) break;
    magnitude = std::min(kCap, magnitude * base + d);
    ++digits;
  }
  const bool whole = i == n && digits > 0;
  if (whole && negative) return static_cast<int>(-magnitude);
  return static_cast<int>(std::min(magnitude, kCap - 1));
}
