#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Writes JSON the way Tessaro keeps its documents, so that they diff cleanly and the same
// content always gives the same bytes: members in the order written, one member or array
// item per line, two spaces per level, arrays of plain values on one line, "\n" line ends
// and a final newline, UTF-8 with no escapes beyond those JSON requires.
class JsonWriter {
 public:
  JsonWriter();

  // An object or array as a member (key given) or as an item of an array (no key).
  void beginObject(const QString& key = {});
  void endObject();
  void beginArray(const QString& key);
  void endArray();

  void text(const QString& key, const QString& value);
  void number(const QString& key, qint64 value);
  void flag(const QString& key, bool value);
  void texts(const QString& key, const QStringList& values);
  void numbers(const QString& key, const QList<int>& values);

  // The text, once the root object is closed.
  QByteArray finish();

  // A JSON string literal.
  static QString quoted(const QString& text);

 private:
  void open(const QString& key, char bracket);
  void close(char bracket);
  // Starts a member or item on its own line, after a comma when one came before.
  void startLine(const QString& key);

  QString out_;
  QList<bool> empty_;  // per open level: nothing written in it yet
};
