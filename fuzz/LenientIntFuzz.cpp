// The numeric boxes' lenient integer conversion, against a plain reference written from its
// rules, for every text: the bytes as UTF-8 (what a user types) and as raw UTF-16 code
// units (anything a paste can hold, unpaired surrogates included).
#include <QString>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "LenientInt.h"

namespace {

// The rules one by one: spaces, one sign, a hexadecimal prefix only without a sign, then
// the digits; a number that is the whole rest of the text keeps its sign, one cut short by
// another character does not. Magnitudes beyond 32 bits saturate.
int Reference(std::u16string_view text) {
  std::size_t i = text.find_first_not_of(u' ');
  if (i == std::u16string_view::npos) return 0;
  const std::u16string_view rest = text.substr(i);
  char16_t sign = 0;
  std::u16string_view body = rest;
  if (rest.front() == u'-' || rest.front() == u'+') {
    sign = rest.front();
    body.remove_prefix(1);
  }
  std::u16string_view digitsOf = u"0123456789";
  if (sign == 0) {
    for (std::u16string_view prefix : {u"$", u"x", u"X", u"0x", u"0X"}) {
      if (body.substr(0, prefix.size()) == prefix) {
        body.remove_prefix(prefix.size());
        digitsOf = u"0123456789abcdefABCDEF";
        break;
      }
    }
  }
  const std::size_t length = std::min(body.find_first_not_of(digitsOf), body.size());
  const std::u16string_view digits = body.substr(0, length);
  const long long base = digitsOf.size() == 10 ? 10 : 16;
  long long magnitude = 0;  // capped at 2^31: one past INT_MAX is all the rules need
  for (char16_t c : digits) {
    const long long d = static_cast<long long>(
        std::u16string_view(u"0123456789abcdef")
            .find(c >= u'A' && c <= u'F' ? static_cast<char16_t>(c - u'A' + u'a') : c));
    magnitude = std::min(magnitude * base + d, 1LL << 31);
  }
  const bool whole = !digits.empty() && length == body.size();
  if (whole && sign == u'-') return static_cast<int>(-magnitude);
  return static_cast<int>(std::min(magnitude, static_cast<long long>(INT_MAX)));
}

void Check(const QString& text) {
  const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()),
                                 static_cast<std::size_t>(text.size()));
  const int expected = Reference(view);
  const int actual = LenientToInt(text);
  if (actual != expected) {
    std::fprintf(stderr, "LenientToInt(\"%s\") gave %d, the rules %d\n", qPrintable(text), actual,
                 expected);
  }
  FUZZ_CHECK(actual == expected);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Check(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  std::u16string units(size / 2, u'\0');
  if (!units.empty()) std::memcpy(units.data(), data, units.size() * 2);
  Check(QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())));
  return 0;
}
