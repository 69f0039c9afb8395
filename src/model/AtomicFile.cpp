#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString native(const QString& path) {
  return QDir::toNativeSeparators(path);
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
    *error = QStringLiteral("Stream write error (%1)\n%2").arg(native(path), file.errorString());
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    *error = QStringLiteral("Stream write error (%1)\n%2").arg(native(path), file.errorString());
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
  *data = file.read(maxBytes);
  if (file.error() != QFileDevice::NoError) {
    *error = QStringLiteral("Cannot read file %1\n%2").arg(native(path), file.errorString());
    return false;
  }
  return true;
}
