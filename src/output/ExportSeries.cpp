#include "ExportSeries.h"

#include <QDir>

QString PathInFolder(const QString& folder, const QString& name) {
  return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString SeriesName(const QString& prefix, int number, const QString& ending) {
  return prefix + QString::number(number) + ending;
}

QString SeriesFileName(const QString& directory, const QString& prefix, int number,
                       const QString& ending) {
  return PathInFolder(directory, SeriesName(prefix, number, ending));
}

QString NothingWrittenMessage(const QString& path, const QString& reason) {
  return QStringLiteral("Nothing was written to %1: the button cannot be rendered.\n%2")
      .arg(QDir::toNativeSeparators(path), reason);
}

bool RunExportSeries(ButtonDesign& design,
                     const std::function<bool(int slot, QString* error)>& exportSlot,
                     QString* error) {
  SetLastTextIndex(design);
  const int last = design.LastTextIndex;
  for (int slot = 0; slot <= last; ++slot) {
    design.TextIndex = slot;
    if (!exportSlot(slot, error)) return false;
  }
  return true;
}

bool ExportImageSeries(ButtonDesign& design, const QString& directory, const QString& prefix,
                       ImageType type, const SlotRender& render, QString* error) {
  const QString ending = u'.' + EndingOf(type);
  return RunExportSeries(
      design,
      [&](int slot, QString* failure) {
        const QString path = SeriesFileName(directory, prefix, slot + 1, ending);
        QImage image;
        QString reason;
        if (!render(&image, &reason)) {
          *failure = reason.isEmpty() ? QString() : NothingWrittenMessage(path, reason);
          return false;
        }
        return ExportImage(image, path, type, failure);
      },
      error);
}
