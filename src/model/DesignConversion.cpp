#include "DesignConversion.h"

#include <algorithm>

#include "CaptionLines.h"

namespace {

constexpr qsizetype kShortStringBytes = 255;

// "1, 2 and 5"; a long list ends with how many more there are.
QString numberList(const QList<int>& numbers) {
  constexpr qsizetype kShown = 10;
  QStringList shown;
  for (qsizetype i = 0; i < std::min(numbers.size(), kShown); ++i)
    shown << QString::number(numbers[i]);
  if (numbers.size() > kShown)
    return QStringLiteral("%1 and %2 more")
        .arg(shown.join(QLatin1String(", ")))
        .arg(numbers.size() - kShown);
  if (shown.size() == 1) return shown[0];
  const QString last = shown.takeLast();
  return QStringLiteral("%1 and %2").arg(shown.join(QLatin1String(", ")), last);
}

QString captionsWord(const QList<int>& numbers) {
  return numbers.size() == 1 ? QStringLiteral("caption %1").arg(numbers[0])
                             : QStringLiteral("captions %1").arg(numberList(numbers));
}

// The slot form of a caption: its lines joined with CR LF.
QByteArray slotBytes(const QString& text, bool* lossy) {
  return EncodeWindows1252(JoinCaptionLines(text.split(u'\n')), lossy);
}

QStringList setLosses(const SetChoices& set) {
  const SetChoices defaults;
  QStringList differ;
  if (set.folder != defaults.folder) differ << QStringLiteral("folder");
  if (set.prefix != defaults.prefix) differ << QStringLiteral("prefix");
  if (set.states != defaults.states) differ << QStringLiteral("states");
  if (set.scales != defaults.scales) differ << QStringLiteral("scales");
  if (set.uniform != defaults.uniform) differ << QStringLiteral("uniform size");
  if (set.sheet != defaults.sheet) differ << QStringLiteral("sprite sheet");
  if (set.stateOptions.hoverLightness != defaults.stateOptions.hoverLightness)
    differ << QStringLiteral("hover lightness");
  if (set.stateOptions.pressedShift != defaults.stateOptions.pressedShift)
    differ << QStringLiteral("pressed shift");
  if (set.stateDesigns != defaults.stateDesigns) differ << QStringLiteral("state designs");
  return differ;
}

QString wordList(QStringList words) {
  if (words.size() == 1) return words[0];
  const QString last = words.takeLast();
  return QStringLiteral("%1 and %2").arg(words.join(QLatin1String(", ")), last);
}

}  // namespace

Design DesignOfRecord(const ButtonDesign& record, const CaptionFont& font) {
  Design design;
  design.record = record;
  design.font = font;
  design.texture = record.TextureFile.text();
  const int current = std::clamp<std::int32_t>(record.TextIndex, 0, kCaptionSlotCount - 1);
  int last = current;
  for (int i = kCaptionSlotCount - 1; i > current; --i) {
    if (!record.CaptionSlots[i].isEmpty()) {
      last = i;
      break;
    }
  }
  design.captions.clear();
  for (int i = 0; i <= last; ++i) {
    const QStringList lines = CaptionLines(record.CaptionSlots[i].text());
    design.captions << Caption{lines.join(u'\n')};
  }
  design.current = current;
  return design;
}

ButtonDesign RecordOfDesign(const Design& design, QStringList* losses) {
  ButtonDesign record = design.record;
  const qsizetype kept = std::min<qsizetype>(design.captions.size(), kCaptionSlotCount);
  QList<int> unencodable, tooLong, named, linked;
  for (int i = 0; i < kCaptionSlotCount; ++i) {
    if (i >= kept) {
      record.CaptionSlots[i].clear();
      continue;
    }
    const Caption& caption = design.captions[i];
    bool lossy = false;
    const QByteArray bytes = slotBytes(caption.text, &lossy);
    record.CaptionSlots[i].setBytes(bytes);
    if (lossy) unencodable << i + 1;
    if (bytes.size() > kShortStringBytes) tooLong << i + 1;
    if (!caption.name.isEmpty()) named << i + 1;
    if (!caption.link.isEmpty()) linked << i + 1;
  }
  record.TextIndex = std::clamp(design.current, 0, kCaptionSlotCount - 1);
  bool textureLossy = false;
  const QByteArray texture = EncodeWindows1252(design.texture, &textureLossy);
  record.TextureFile.setBytes(texture);
  if (!losses) return record;

  if (!unencodable.isEmpty())
    *losses << QStringLiteral("%1: characters outside Windows-1252, written as \"?\"")
                   .arg(captionsWord(unencodable));
  if (!tooLong.isEmpty())
    *losses << QStringLiteral("%1: longer than 255 bytes, cut").arg(captionsWord(tooLong));
  if (design.captions.size() > kCaptionSlotCount) {
    const qsizetype beyond = design.captions.size() - kCaptionSlotCount;
    *losses << (beyond == 1 ? QStringLiteral("caption 33: a design file holds 32 captions")
                            : QStringLiteral("%1 captions beyond the 32 a design file holds "
                                             "(33 to %2)")
                                  .arg(beyond)
                                  .arg(design.captions.size()));
    if (design.current >= kCaptionSlotCount)
      *losses << QStringLiteral("the current caption, %1: the file opens on caption 32")
                     .arg(design.current + 1);
  }
  if (!named.isEmpty()) *losses << QStringLiteral("the names of %1").arg(captionsWord(named));
  if (!linked.isEmpty()) *losses << QStringLiteral("the links of %1").arg(captionsWord(linked));

  bool fontLossy = false;
  const QByteArray fontName = EncodeWindows1252(design.font.name, &fontLossy);
  if (fontLossy)
    *losses << QStringLiteral("the font name: characters outside Windows-1252, written as \"?\"");
  if (fontName.size() > kShortStringBytes)
    *losses << QStringLiteral("the font name: longer than 255 bytes, cut");
  if (textureLossy)
    *losses << QStringLiteral(
        "the texture path: characters outside Windows-1252, written as \"?\"");
  if (texture.size() > kShortStringBytes)
    *losses << QStringLiteral("the texture path: longer than 255 bytes, cut");

  const QStringList set = setLosses(design.set);
  if (!set.isEmpty()) *losses << QStringLiteral("the set choices: %1").arg(wordList(set));
  return record;
}
