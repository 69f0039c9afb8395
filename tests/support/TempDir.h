#pragma once

#include <QFile>
#include <QTemporaryDir>

// A scratch folder for one test.
class TempDir {
 public:
  QString path(const QString& name) const { return dir_.filePath(name); }
  QString root() const { return dir_.path(); }
  static QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static bool write(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
  }

 private:
  QTemporaryDir dir_;
};
