#include "EditorText.h"

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
  QString memo;
  memo.reserve(slotText.size());
  for (qsizetype i = 0; i < slotText.size(); ++i) {
    const QChar c = slotText[i];
    if (c == u'\r') {
      memo += u'\n';
      if (i + 1 < slotText.size() && slotText[i + 1] == u'\n') ++i;
    } else if (c != u'\n') {
      memo += c;
    }
  }
  return memo;
}

QString MemoTextToSlot(const QString& memoText) {
  QString slot;
  slot.reserve(memoText.size() + 8);
  int characters = 0;
  for (qsizetype i = 0; i < memoText.size() && characters < 255; ++i) {
    const QChar c = memoText[i];
    if (c == u'\r' && i + 1 < memoText.size() && memoText[i + 1] == u'\n') continue;
    if (c == u'\r' || isMemoBreak(c)) {
      slot += QStringLiteral("\r\n");
      characters += 2;
      continue;
    }
    slot += c;
    if (c.isHighSurrogate() && i + 1 < memoText.size() && memoText[i + 1].isLowSurrogate()) {
      slot += memoText[++i];
    }
    ++characters;
  }
  // A cut can fall between CR and LF; the character count then ends on the CR.
  if (characters > 255) slot.chop(1);
  return slot;
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
