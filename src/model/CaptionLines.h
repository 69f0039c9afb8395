#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The lines of a caption: CR separates lines, and LF is ignored wherever it stands (a slot
// stores its breaks as CR LF, and a lone CR breaks a line as well). A caption has at least one
// line; an empty caption is one empty line. For the slot's bytes and for its decoded text
// alike: Windows-1252 keeps CR and LF where they were.
template <class Text>
QList<Text> CaptionLines(const Text& caption) {
  QList<Text> lines(1);
  for (const auto c : caption) {
    if (c == u'\r') {
      lines.emplace_back();
    } else if (c != u'\n') {
      lines.back() += c;
    }
  }
  return lines;
}

// The caption of these lines, with the line break a slot stores (CR LF).
inline QString JoinCaptionLines(const QStringList& lines) {
  return lines.join(QStringLiteral("\r\n"));
}
