#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <functional>

#include "Design.h"
#include "ImageExport.h"

// An export series: one file (or one group of files) per caption, from the first caption to
// the last, as Export multiple, `tessaro-render --all-captions` and button sets write them.

// A file in a folder: the folder, one separator, the name. A folder that already ends in a
// separator (the root) gets no second one.
QString PathInFolder(const QString& folder, const QString& name);

// The file name of caption `number` (counted from 1) of a series without names: the
// prefix, the number without leading zeros, then `ending` (".jpg", "-hover@2x.png"). The
// prefix is taken as it stands.
QString SeriesName(const QString& prefix, int number, const QString& ending);
// That file in the directory (PathInFolder).
QString SeriesFileName(const QString& directory, const QString& prefix, int number,
                       const QString& ending);

// The file name of caption `index` (counted from 0): for a caption with a name the prefix,
// "-", the name and `ending` ("nav-home-hover.png"); for one without, its number
// (SeriesName: "nav3-hover.png"). Unnamed and named files never meet: after the prefix
// one has a digit, the other "-".
QString CaptionFileName(const QString& prefix, const Caption& caption, int index,
                        const QString& ending);

// One file that a series or set is to write, and what it holds, for messages ("caption 3
// (home)", "the sprite sheet").
struct PlannedFile {
  QString name;
  QString holds;
};

// Why the planned files cannot all be written (empty when they can), before any is: two
// would be one file, with the same name or with names that one would be on a file system
// that ignores case or the way letters are composed (Windows, macOS), where a set copied
// there would lose one; or a name is longer than the 255 bytes a file name may have.
QString PlannedFilesProblem(const QList<PlannedFile>& files);

// What a caption is called in messages: "caption 3", or "caption 3 (home)" for a named one.
QString CaptionWord(const Caption& caption, int index);

// Why nothing was written to `path`: the button cannot be rendered, for `reason`.
QString NothingWrittenMessage(const QString& path, const QString& reason);

// The finished button of caption `index`, or false with the reason it could not be rendered
// (empty when the series is called off).
using CaptionRender = std::function<bool(int index, QImage* image, QString* reason)>;

// One image file per caption, in order, named CaptionFileName(prefix, caption, index, "." +
// the type's ending) in the directory. Nothing is written when two captions would write one
// file (PlannedFilesProblem). Empty captions are exported too, as buttons without a
// caption. A refused render writes nothing more and ends the series with its reason; the
// first failure ends it: false, with the reason (empty for a series that was called off).
bool ExportImageSeries(const QList<Caption>& captions, const QString& directory,
                       const QString& prefix, ImageType type, const CaptionRender& render,
                       QString* error);
