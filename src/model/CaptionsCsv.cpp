#include "CaptionsCsv.h"

#include <csv.h>

#include <QHash>
#include <QStringList>
#include <memory>

#include "TextPosition.h"

namespace {

struct Row {
  QList<QByteArray> fields;
  qsizetype line;  // where the row begins
};

// What the parser's callbacks build.
struct Rows {
  QList<Row> rows;
  QList<QByteArray> fields;  // of the row being read
  qsizetype line = 1;        // the line being fed to the parser
  qsizetype rowLine = 0;     // where the row being read began; 0 before it has begun
};

void onField(void* text, std::size_t size, void* data) {
  static_cast<Rows*>(data)->fields.append(
      QByteArray(static_cast<const char*>(text), static_cast<qsizetype>(size)));
}

void onRow(int, void* data) {
  auto* rows = static_cast<Rows*>(data);
  rows->rows.append(Row{std::move(rows->fields), rows->rowLine});
  rows->fields.clear();
  rows->rowLine = 0;
}

// RFC 4180 keeps blanks around a field; libcsv would trim them.
int noSpace(unsigned char) {
  return 0;
}

struct ParserFree {
  void operator()(csv_parser* p) const {
    csv_free(p);
    delete p;
  }
};

QString failAt(qsizetype line, const QString& message) {
  return QStringLiteral("line %1: %2").arg(line).arg(message);
}

// The end of the line that starts at `start`, its line break included (CR LF is one).
qsizetype lineEnd(const QByteArray& text, qsizetype start) {
  qsizetype i = start;
  while (i < text.size() && text[i] != '\n' && text[i] != '\r')
    ++i;
  if (i == text.size()) return i;
  return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? i + 2 : i + 1;
}

bool onlyLineBreaks(QByteArrayView bytes) {
  for (const char c : bytes) {
    if (c != '\r' && c != '\n') return false;
  }
  return true;
}

// Parses every row; false with *error at the line where the CSV breaks its rules.
bool parseRows(const QByteArray& text, Rows* rows, QString* error) {
  std::unique_ptr<csv_parser, ParserFree> parser(new csv_parser);
  if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
    *error = QStringLiteral("the CSV reader could not start");
    return false;
  }
  csv_set_space_func(parser.get(), noSpace);
  // Fed a line at a time, so each row knows the line it began on and an error its line.
  for (qsizetype start = 0; start < text.size(); ++rows->line) {
    const qsizetype end = lineEnd(text, start);
    const QByteArrayView line = QByteArrayView(text).sliced(start, end - start);
    if (rows->rowLine == 0 && !onlyLineBreaks(line)) rows->rowLine = rows->line;
    if (csv_parse(parser.get(), line.data(), static_cast<std::size_t>(line.size()), onField, onRow,
                  rows) != static_cast<std::size_t>(line.size())) {
      *error = failAt(rows->line, csv_error(parser.get()) == CSV_EPARSE
                                      ? QStringLiteral("not CSV: a quote inside an unquoted field, "
                                                       "or text after a closing quote")
                                      : QString::fromLatin1(csv_strerror(csv_error(parser.get()))));
      return false;
    }
    // Enough rows for the most captions and their header: the rest need not be kept.
    if (rows->rows.size() > kMaxCaptions + 1) return true;
    start = end;
  }
  if (csv_fini(parser.get(), onField, onRow, rows) != 0) {
    *error = failAt(rows->rowLine, QStringLiteral("not CSV: a quoted field is not closed"));
    return false;
  }
  return true;
}

QString textOf(const QByteArray& field) {
  QString text = QString::fromUtf8(field);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(u'\r', u'\n');
  return text;
}

}  // namespace

bool ReadCaptionsCsv(const QByteArray& data, QList<Caption>* captions, QString* error) {
  const QByteArray text = StartsWithUtf8Bom(data) ? data.mid(kUtf8BomSize) : data;
  if (const qsizetype line = FirstNonUtf8Line(text)) {
    *error = failAt(line, QStringLiteral("not UTF-8 text"));
    return false;
  }
  Rows rows;
  if (!parseRows(text, &rows, error)) return false;
  if (rows.rows.isEmpty()) {
    *error = failAt(1, QStringLiteral("no header row (text, and name and link if wanted)"));
    return false;
  }

  const Row& header = rows.rows[0];
  enum Column { kText, kName, kLink, kColumns };
  const QStringList columnNames = {QStringLiteral("text"), QStringLiteral("name"),
                                   QStringLiteral("link")};
  int columnOf[kColumns] = {-1, -1, -1};
  for (qsizetype i = 0; i < header.fields.size(); ++i) {
    const QString name = QString::fromUtf8(header.fields[i]);
    const qsizetype column = columnNames.indexOf(name.toLower());
    if (column < 0) {
      *error = failAt(
          header.line,
          QStringLiteral("unknown column \"%1\" (the columns are text, name and link)").arg(name));
      return false;
    }
    if (columnOf[column] >= 0) {
      *error = failAt(header.line, QStringLiteral("the column \"%1\" comes twice").arg(name));
      return false;
    }
    columnOf[column] = static_cast<int>(i);
  }
  if (columnOf[kText] < 0) {
    *error = failAt(header.line, QStringLiteral("no \"text\" column in the header row"));
    return false;
  }

  const qsizetype count = rows.rows.size() - 1;
  if (count == 0) {
    *error = failAt(header.line, QStringLiteral("no captions below the header row"));
    return false;
  }
  if (count > kMaxCaptions) {
    *error = failAt(rows.rows[kMaxCaptions + 1].line,
                    QStringLiteral("more than %1 captions").arg(kMaxCaptions));
    return false;
  }
  QList<Caption> read;
  read.reserve(count);
  QHash<QString, qsizetype> lineOfName;
  for (qsizetype r = 1; r < rows.rows.size(); ++r) {
    const Row& row = rows.rows[r];
    if (row.fields.size() != header.fields.size()) {
      *error = failAt(row.line, QStringLiteral("%1 fields; the header row has %2")
                                    .arg(row.fields.size())
                                    .arg(header.fields.size()));
      return false;
    }
    Caption caption;
    caption.text = textOf(row.fields[columnOf[kText]]);
    if (columnOf[kName] >= 0) caption.name = QString::fromUtf8(row.fields[columnOf[kName]]);
    if (columnOf[kLink] >= 0) caption.link = QString::fromUtf8(row.fields[columnOf[kLink]]);
    if (!caption.name.isEmpty()) {
      const QString problem = CaptionNameProblem(caption.name);
      if (!problem.isEmpty()) {
        *error = failAt(row.line, QStringLiteral("name: %1").arg(problem));
        return false;
      }
      const auto seen = lineOfName.constFind(caption.name);
      if (seen != lineOfName.constEnd()) {
        *error = failAt(
            row.line,
            QStringLiteral("the name \"%1\" is on line %2 too").arg(caption.name).arg(*seen));
        return false;
      }
      lineOfName.insert(caption.name, row.line);
    }
    read << caption;
  }
  *captions = read;
  return true;
}
