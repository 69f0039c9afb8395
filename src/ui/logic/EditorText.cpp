#include "EditorText.h"

#include "CaptionLines.h"

namespace {
bool isMemoBreak(QChar c) {
  return c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// The lines of a memo text: split at CR LF, CR and every memo line break.
QStringList memoLines(const QString& memoText) {
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
  return lines;
}

// The characters of the slot form: a line break counts as CR LF, a surrogate pair as one.
qsizetype slotLength(const QString& memoText) {
  qsizetype characters = 0;
  for (qsizetype i = 0; i < memoText.size(); ++i) {
    const QChar c = memoText[i];
    if (c == u'\r' && i + 1 < memoText.size() && memoText[i + 1] == u'\n') {
      ++i;
      characters += 2;
    } else if (c == u'\r' || isMemoBreak(c)) {
      characters += 2;
    } else {
      if (c.isHighSurrogate() && i + 1 < memoText.size() && memoText[i + 1].isLowSurrogate()) ++i;
      ++characters;
    }
  }
  return characters;
}
}  // namespace

QString CaptionSlotHeading(int current, int lastIndex) {
  if (lastIndex == 0) return QStringLiteral("Text");
  return QStringLiteral("Text (%1/%2)").arg(current + 1).arg(lastIndex + 1);
}

QString MemoTextToCaption(const QString& memoText) {
  return memoLines(memoText).join(u'\n');
}

QString MemoTextToSlot(const QString& memoText) {
  // The first 255 characters; a cut between CR and LF keeps the CR.
  const QString slot = JoinCaptionLines(memoLines(memoText));
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

QString LimitMemoEdit(const QString& before, const QString& edited, int limit) {
  const qsizetype length = slotLength(edited);
  if (length <= limit) return edited;
  const qsizetype was = slotLength(before);
  if (was <= limit) return FitMemoText(edited, limit);
  return length <= was ? edited : before;
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
  // Never null, so that a label shown no file name compares equal to one told "".
  const QString name = path.mid(cut + 1);
  return name.isNull() ? QStringLiteral("") : name;
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
