// Caption lists in CSV: bytes -> ReadCaptionsCsv. Checks, besides the sanitizers and the
// time-out: a refused file names the line and changes nothing; a file that reads gives 1 to
// 10,000 captions without CR, with names that are plain file stems, each used once.
#include <QSet>
#include <cstdint>

#include "CaptionsCsv.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QList<Caption> before = {Caption{QStringLiteral("before")}};
  QList<Caption> captions = before;
  QString error;
  if (!ReadCaptionsCsv(bytes, &captions, &error)) {
    FUZZ_CHECK(error.startsWith(QLatin1String("line ")));
    FUZZ_CHECK(captions == before);
    return 0;
  }
  FUZZ_CHECK(!captions.isEmpty() && captions.size() <= kMaxCaptions);
  QSet<QString> names;
  for (const Caption& c : captions) {
    FUZZ_CHECK(!c.text.contains(u'\r'));
    if (c.name.isEmpty()) continue;
    FUZZ_CHECK(CaptionNameProblem(c.name).isEmpty());
    FUZZ_CHECK(!names.contains(c.name));
    names.insert(c.name);
  }
  return 0;
}
