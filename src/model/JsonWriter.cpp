#include "JsonWriter.h"

JsonWriter::JsonWriter() {
  out_.reserve(4096);
}

QString JsonWriter::quoted(const QString& text) {
  QString q;
  q.reserve(text.size() + 2);
  q += u'"';
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'"':
        q += QLatin1String("\\\"");
        break;
      case u'\\':
        q += QLatin1String("\\\\");
        break;
      case u'\n':
        q += QLatin1String("\\n");
        break;
      case u'\r':
        q += QLatin1String("\\r");
        break;
      case u'\t':
        q += QLatin1String("\\t");
        break;
      case u'\b':
        q += QLatin1String("\\b");
        break;
      case u'\f':
        q += QLatin1String("\\f");
        break;
      default:
        if (c.unicode() < 0x20) {
          q += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
          q += c;
        }
    }
  }
  q += u'"';
  return q;
}

void JsonWriter::startLine(const QString& key) {
  if (!empty_.isEmpty()) {
    if (!empty_.last()) out_ += u',';
    empty_.last() = false;
    out_ += u'\n';
    out_ += QString(2 * empty_.size(), u' ');
  }
  if (!key.isNull()) {
    out_ += quoted(key);
    out_ += QLatin1String(": ");
  }
}

void JsonWriter::open(const QString& key, char bracket) {
  startLine(key);
  out_ += QLatin1Char(bracket);
  empty_.append(true);
}

void JsonWriter::close(char bracket) {
  const bool wasEmpty = empty_.takeLast();
  if (!wasEmpty) {
    out_ += u'\n';
    out_ += QString(2 * empty_.size(), u' ');
  }
  out_ += QLatin1Char(bracket);
}

void JsonWriter::beginObject(const QString& key) {
  open(key, '{');
}
void JsonWriter::endObject() {
  close('}');
}
void JsonWriter::beginArray(const QString& key) {
  open(key, '[');
}
void JsonWriter::endArray() {
  close(']');
}

void JsonWriter::text(const QString& key, const QString& value) {
  startLine(key);
  out_ += quoted(value);
}

void JsonWriter::number(const QString& key, qint64 value) {
  startLine(key);
  out_ += QString::number(value);
}

void JsonWriter::flag(const QString& key, bool value) {
  startLine(key);
  out_ += value ? QLatin1String("true") : QLatin1String("false");
}

void JsonWriter::texts(const QString& key, const QStringList& values) {
  startLine(key);
  out_ += u'[';
  for (qsizetype i = 0; i < values.size(); ++i) {
    if (i > 0) out_ += QLatin1String(", ");
    out_ += quoted(values[i]);
  }
  out_ += u']';
}

void JsonWriter::numbers(const QString& key, const QList<int>& values) {
  startLine(key);
  out_ += u'[';
  for (qsizetype i = 0; i < values.size(); ++i) {
    if (i > 0) out_ += QLatin1String(", ");
    out_ += QString::number(values[i]);
  }
  out_ += u']';
}

QByteArray JsonWriter::finish() {
  out_ += u'\n';
  return out_.toUtf8();
}
