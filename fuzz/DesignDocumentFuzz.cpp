// Design documents: bytes -> DecodeDesignDocument. Checks, besides the sanitizers: a refused
// document says why; a document that loads keeps the promises of a design (1 to 10,000
// captions, the current one among them, names that are plain file stems and each used once,
// no CR in a caption, the record's TextureFile in step with the texture, absolute paths);
// written and read again it is the same design, with no warning, and written again the
// same bytes; and saved as a design file with no loss listed, its captions come back.
#include <QDir>
#include <QSet>
#include <algorithm>
#include <cstdint>

#include "DesignConversion.h"
#include "DesignDocument.h"
#include "FuzzCheck.h"

namespace {

const QString kFolder = QStringLiteral("/fuzz/documents");

bool AbsoluteOrEmpty(const QString& path) {
  return path.isEmpty() || QDir::isAbsolutePath(path);
}

void CheckDesign(const Design& d) {
  FUZZ_CHECK(!d.captions.isEmpty() && d.captions.size() <= kMaxCaptions);
  FUZZ_CHECK(d.current >= 0 && d.current < d.captions.size());
  QSet<QString> names;
  for (const Caption& c : d.captions) {
    FUZZ_CHECK(!c.text.contains(u'\r'));
    if (c.name.isEmpty()) continue;
    FUZZ_CHECK(CaptionNameProblem(c.name).isEmpty());
    FUZZ_CHECK(!names.contains(c.name));
    names.insert(c.name);
  }
  FUZZ_CHECK(d.record.TextureFile.bytes() == EncodeWindows1252(d.texture).left(255));
  FUZZ_CHECK(AbsoluteOrEmpty(d.texture) && AbsoluteOrEmpty(d.set.folder));
  for (const QString& path : d.set.stateDesigns)
    FUZZ_CHECK(QDir::isAbsolutePath(path));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Design design;
  QString error;
  QStringList warnings;
  if (!DecodeDesignDocument(bytes, kFolder, &design, &error, &warnings)) {
    FUZZ_CHECK(!error.isEmpty());
    FUZZ_CHECK(warnings.isEmpty());
    FUZZ_CHECK(design == Design{});
    return 0;
  }
  CheckDesign(design);

  const QByteArray once = EncodeDesignDocument(design, kFolder);
  Design again;
  QStringList none;
  FUZZ_CHECK(DecodeDesignDocument(once, kFolder, &again, &error, &none));
  FUZZ_CHECK(none.isEmpty());
  FUZZ_CHECK(again == design);
  FUZZ_CHECK(EncodeDesignDocument(again, kFolder) == once);

  // Saved as a design file with nothing listed as lost, the captions, the current one and
  // the texture come back (captions past the last one in use are empty ones).
  QStringList losses;
  const ButtonDesign record = RecordOfDesign(design, &losses);
  FUZZ_CHECK(record.TextIndex >= 0 && record.TextIndex < kCaptionSlotCount);
  if (losses.isEmpty()) {
    const Design back = DesignOfRecord(record, design.font);
    FUZZ_CHECK(back.current == design.current && back.texture == design.texture);
    for (qsizetype i = 0; i < std::max(back.captions.size(), design.captions.size()); ++i) {
      const QString had = i < design.captions.size() ? design.captions[i].text : QString();
      const QString got = i < back.captions.size() ? back.captions[i].text : QString();
      FUZZ_CHECK(had == got);
    }
  }
  return 0;
}
