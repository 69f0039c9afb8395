#include "ExportSeries.h"

#include <QDir>
#include <QHash>

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

QString CaptionFileName(const QString& prefix, const Caption& caption, int index,
                        const QString& ending) {
  if (caption.name.isEmpty()) return SeriesName(prefix, index + 1, ending);
  return prefix + u'-' + caption.name + ending;
}

QString CaptionWord(const Caption& caption, int index) {
  const QString word = QStringLiteral("caption %1").arg(index + 1);
  return caption.name.isEmpty() ? word : QStringLiteral("%1 (%2)").arg(word, caption.name);
}

QString PlannedFilesProblem(const QList<PlannedFile>& files) {
  constexpr qsizetype kLongestName = 255;  // bytes, on every common file system
  // Names that a case-blind or normalising file system takes for one: the same letters
  // composed one way and case-folded.
  QHash<QString, qsizetype> seen;
  seen.reserve(files.size());
  for (qsizetype i = 0; i < files.size(); ++i) {
    const PlannedFile& file = files[i];
    if (file.name.toUtf8().size() > kLongestName) {
      return QStringLiteral(
                 "The file of %1, %2, would have a name longer than the %3 bytes a "
                 "file name may have.")
          .arg(file.holds, file.name)
          .arg(kLongestName);
    }
    const QString key = file.name.normalized(QString::NormalizationForm_C).toCaseFolded();
    const auto at = seen.constFind(key);
    if (at == seen.constEnd()) {
      seen.insert(key, i);
      continue;
    }
    const PlannedFile& earlier = files[*at];
    if (earlier.name == file.name) {
      return QStringLiteral(
                 "%1 and %2 would both be written to %3: give one of them another "
                 "name.")
          .arg(earlier.holds, file.holds, file.name);
    }
    return QStringLiteral(
               "%1 and %2 would be written to %3 and %4, one file where case and the "
               "composition of letters do not count (Windows, macOS): give one of "
               "them another name.")
        .arg(earlier.holds, file.holds, earlier.name, file.name);
  }
  return {};
}

QString NothingWrittenMessage(const QString& path, const QString& reason) {
  return QStringLiteral("Nothing was written to %1: the button cannot be rendered.\n%2")
      .arg(QDir::toNativeSeparators(path), reason);
}

bool ExportImageSeries(const QList<Caption>& captions, const QString& directory,
                       const QString& prefix, ImageType type, const CaptionRender& render,
                       QString* error) {
  const QString ending = u'.' + EndingOf(type);
  QList<PlannedFile> files;
  for (int i = 0; i < captions.size(); ++i)
    files << PlannedFile{CaptionFileName(prefix, captions[i], i, ending),
                         CaptionWord(captions[i], i)};
  *error = PlannedFilesProblem(files);
  if (!error->isEmpty()) return false;
  for (int i = 0; i < captions.size(); ++i) {
    const QString path = PathInFolder(directory, files[i].name);
    QImage image;
    QString reason;
    if (!render(i, &image, &reason)) {
      *error = reason.isEmpty() ? QString() : NothingWrittenMessage(path, reason);
      return false;
    }
    if (!ExportImage(image, path, type, error)) return false;
  }
  return true;
}
