#include "DesignFiles.h"

#include <QFileInfo>

#include "AtomicFile.h"
#include "DesignConversion.h"
#include "DesignDocument.h"
#include "DesignFile.h"
#include "TextPosition.h"

namespace {
bool endsWith(const QString& path, QLatin1String ending) {
  return path.endsWith(ending, Qt::CaseInsensitive);
}

// A document starts with "{", after an optional byte order mark and white space.
bool looksLikeDocument(const QByteArray& data) {
  qsizetype i = StartsWithUtf8Bom(data) ? kUtf8BomSize : 0;
  while (i < data.size() &&
         (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
    ++i;
  return i < data.size() && data[i] == '{';
}

QString folderOf(const QString& path) {
  return QFileInfo(path).absolutePath();
}
}  // namespace

bool IsDesignDocumentPath(const QString& path) {
  return endsWith(path, QLatin1String(".tessaro"));
}

bool IsDesignDocumentFile(const QString& path) {
  if (IsDesignDocumentPath(path)) return true;
  if (endsWith(path, QLatin1String(".kq"))) return false;
  QByteArray data;
  QString readError;
  return ReadFileHead(path, kMaxDesignDocumentBytes + 1, &data, &readError) &&
         looksLikeDocument(data);
}

bool ReadDesign(const QString& path, Design* design, QString* error, QStringList* warnings) {
  const bool designFile = endsWith(path, QLatin1String(".kq"));
  QByteArray data;
  QString readError;
  if (!ReadFileHead(path, designFile ? kDesignFileSize : kMaxDesignDocumentBytes + 1, &data,
                    &readError)) {
    *error = InvalidFileMessage(path);
    return false;
  }
  const bool document = IsDesignDocumentPath(path) || (!designFile && looksLikeDocument(data));
  if (!document) {
    ButtonDesign record{};
    CaptionFont font;
    if (!DecodeDesignFile(data, record, font)) {
      *error = InvalidFileMessage(path);
      return false;
    }
    *design = DesignOfRecord(record, font);
    return true;
  }
  if (data.size() > kMaxDesignDocumentBytes) {
    *error = QStringLiteral("%1\nA design document holds at most %2 MiB.")
                 .arg(InvalidFileMessage(path))
                 .arg(kMaxDesignDocumentBytes / (1024 * 1024));
    return false;
  }
  QString reason;
  if (!DecodeDesignDocument(data, folderOf(path), design, &reason, warnings)) {
    *error = QStringLiteral("%1\n%2").arg(InvalidFileMessage(path), reason);
    return false;
  }
  return true;
}

bool WriteDesign(const QString& path, const Design& design, QString* error, QStringList* losses) {
  return WriteDesignOfKind(path, IsDesignDocumentPath(path), design, error, losses);
}

bool WriteDesignOfKind(const QString& path, bool document, const Design& design, QString* error,
                       QStringList* losses) {
  const QByteArray data = document ? EncodeDesignDocument(design, folderOf(path))
                                   : EncodeDesignFile(RecordOfDesign(design, losses), design.font);
  return WriteFileAtomically(path, data, error);
}

void ResetDesign(Design& design, DesignHost& host) {
  ResetDesignFields(design.record, design.font);
  design.texture.clear();
  design.captions = {Caption{QStringLiteral("Button Text")}};
  design.current = 0;
  design.set = SetChoices{};
  SetLastTextIndex(design);
  host.clearTexture();
  host.syncControls();
}

bool LoadDesign(const QString& path, Design& design, DesignHost& host) {
  Design loaded;
  QString error;
  QStringList warnings;
  const bool read = ReadDesign(path, &loaded, &error, &warnings);
  if (!read) {
    host.showMessage(error);
    ResetDesign(design, host);
  } else {
    design = loaded;
    if (!warnings.isEmpty())
      host.showWarning(QStringLiteral("Ignored in \"%1\":\n%2").arg(path, warnings.join(u'\n')));
    if (!design.texture.isEmpty() && !host.loadTexture(design.texture)) {
      host.showMessage(TextureNotFoundMessage(design.texture));
      SetTexture(design, {});
    }
    SetLastTextIndex(design);
  }
  host.syncControls();
  host.render();
  return read;
}
