#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {
QString native(const QString& path) {
  return QDir::toNativeSeparators(path);
}

// Qt gives no reason for a write refused by a full disk or a file-size limit.
QString writeFailureReason(const QSaveFile& file) {
  const QString reason = file.errorString();
  if (reason.isEmpty() || reason == QLatin1String("Unknown error")) {
    return QStringLiteral("The disk may be full, or the file too large for it.");
  }
  return reason;
}
}  // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error) {
  QSaveFile file(path);
  // Unbuffered: a buffered QSaveFile can lose a failed write of a small file (full disk,
  // file-size limit) and still commit the truncated file over the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    *error = QStringLiteral("Cannot create file %1\n%2").arg(native(path), file.errorString());
    return false;
  }
  if (file.write(data) != data.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    *error =
        QStringLiteral("Stream write error (%1)\n%2").arg(native(path), writeFailureReason(file));
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    *error =
        QStringLiteral("Stream write error (%1)\n%2").arg(native(path), writeFailureReason(file));
    return false;
  }
  return true;
}

bool ReadFileHead(const QString& path, qint64 maxBytes, QByteArray* data, QString* error) {
  const QFileInfo info(path);
  QFile file(path);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("Cannot open file %1").arg(native(path));
    return false;
  }
  // QFile::read reserves all it is asked for: ask for no more than the file holds.
  *data = file.read(std::min(maxBytes, info.size() + 1));
  if (file.error() != QFileDevice::NoError) {
    *error = QStringLiteral("Cannot read file %1\n%2").arg(native(path), file.errorString());
    return false;
  }
  return true;
}
