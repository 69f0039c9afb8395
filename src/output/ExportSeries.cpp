#include "ExportSeries.h"

#include <QDir>

QString SeriesFileName(const QString& directory, const QString& prefix, int number,
                       const QString& ending) {
  const QString separator = directory.endsWith(u'/') ? QString() : QStringLiteral("/");
  return directory + separator + prefix + QString::number(number) + ending;
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
          *failure = reason.isEmpty() ? QString()
                                      : QStringLiteral(
                                            "Nothing was written to %1: the button cannot be "
                                            "rendered.\n%2")
                                            .arg(QDir::toNativeSeparators(path), reason);
          return false;
        }
        return ExportImage(image, path, type, failure);
      },
      error);
}
