#include "Design.h"

#include <algorithm>
#include <cstring>

#include "DesignConversion.h"

QString CaptionNameProblem(const QString& name) {
  if (name.isEmpty()) return QStringLiteral("a name cannot be empty");
  if (name == u'.' || name == QLatin1String(".."))
    return QStringLiteral("\"%1\" names a folder, not a file").arg(name);
  for (const QChar c : name) {
    if (c == u'/' || c == u'\\') return QStringLiteral("a name cannot hold \"%1\"").arg(c);
    if (c.category() == QChar::Other_Control)
      return QStringLiteral("a name cannot hold the control character U+%1")
          .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
  }
  return {};
}

ButtonDesign NewDesignRecord() {
  ButtonDesign record{};
  CaptionFont font;
  ResetDesignFields(record, font);
  SetLastTextIndex(record);
  return record;
}

const QString& Design::currentText() const {
  static const QString kNone;
  if (captions.isEmpty()) return kNone;
  return captions[std::clamp<qsizetype>(current, 0, captions.size() - 1)].text;
}

namespace {
// The record without what a design keeps elsewhere.
ButtonDesign lookOf(const ButtonDesign& record) {
  ButtonDesign look = record;
  for (ShortString& slot : look.CaptionSlots)
    slot.clear();
  look.TextIndex = 0;
  look.TextureFile.clear();
  return look;
}
}  // namespace

bool Design::operator==(const Design& other) const {
  const ButtonDesign a = lookOf(record);
  const ButtonDesign b = lookOf(other.record);
  return std::memcmp(a.bytes().data(), b.bytes().data(), kDesignRecordSize) == 0 &&
         font == other.font && texture == other.texture && captions == other.captions &&
         current == other.current && set == other.set;
}

void SetTexture(Design& design, const QString& path) {
  design.texture = path;
  design.record.TextureFile.setText(path);
}

void SetLastTextIndex(Design& design) {
  design.record.LastTextIndex = LastSlot(RecordOfDesign(design));
}
