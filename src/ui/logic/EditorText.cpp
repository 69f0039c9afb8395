#include "EditorText.h"

#include "CaptionLines.h"

namespace {
bool isMemoBreak(QChar c) {
  return c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}
}  // namespace

QString CaptionSlotHeading(int textIndex, int lastTextIndex) {
  if (lastTextIndex == 0) return QStringLiteral("Text");
  return QStringLiteral("Text (%1/%2)").arg(textIndex + 1).arg(lastTextIndex + 1);
}

QString SlotTextToMemo(const QString& slotText) {
  return CaptionLines(slotText).join(u'\n');
}

QString MemoTextToSlot(const QString& memoText) {
  QStringList lines(1);
  for (qsizetype i = 0; i < memoText.size(); ++i) {
    const QChar c = memoText[i];
    if (c == u'\r' && i + 1 < memoText.size() && memoText[i + 1] == u'\n') continue;
    if (c == u'\r' || isMemoBreak(c)) {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  // The first 255 characters; a cut between CR and LF keeps the CR.
  const QString slot = JoinCaptionLines(lines);
  int characters = 0;
  qsizetype end = 0;
  while (end < slot.size() && characters < 255) {
    const bool pair =
        slot[end].isHighSurrogate() && end + 1 < slot.size() && slot[end + 1].isLowSurrogate();
    end += pair ? 2 : 1;
    ++characters;
  }
  return slot.left(end);
}

QString FitMemoText(const QString& memoText, int limit) {
  int characters = 0;
  qsizetype i = 0;
  while (i < memoText.size()) {
    const QChar c = memoText[i];
    qsizetype units = 1;
    int cost = 1;
    if (c == u'\r' && i + 1 < memoText.size() && memoText[i + 1] == u'\n') {
      units = 2;
      cost = 2;
    } else if (c == u'\r' || isMemoBreak(c)) {
      cost = 2;
    } else if (c.isHighSurrogate() && i + 1 < memoText.size() && memoText[i + 1].isLowSurrogate()) {
      units = 2;
    }
    if (characters + cost > limit) break;
    characters += cost;
    i += units;
  }
  return memoText.left(i);
}

QString WithDefaultSuffix(const QString& path, const QString& suffix) {
  if (suffix.isEmpty() || FileNamePart(path).contains(u'.')) return path;
  return path + u'.' + suffix;
}

QString FileNamePart(const QString& path) {
  qsizetype cut = -1;
  for (qsizetype i = 0; i < path.size(); ++i) {
    if (path[i] == u'/' || path[i] == u'\\' || path[i] == u':') cut = i;
  }
  return path.mid(cut + 1);
}

QStringList DialogNameFilters(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(u';');
    // "*.*" stands for every file, also those without a dot in their names.
    for (QString& pattern : patterns) {
      if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
    }
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' '));
  }
  return filters;
}
