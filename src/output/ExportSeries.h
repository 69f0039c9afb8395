#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "ButtonDesign.h"
#include "ImageExport.h"

// An export series: one file (or one group of files) per caption slot, from the first slot
// to the last in use, as Export multiple, `tessaro-render --all-captions` and button sets
// write them.

// A file in a folder: the folder, one separator, the name. A folder that already ends in a
// separator (the root) gets no second one.
QString PathInFolder(const QString& folder, const QString& name);

// The name of caption slot `number`'s file (counted from 1): the prefix, the number without
// leading zeros, then `ending` (".jpg", "-hover@2x.png"). The prefix is taken as it stands.
QString SeriesName(const QString& prefix, int number, const QString& ending);
// That file in the directory (PathInFolder).
QString SeriesFileName(const QString& directory, const QString& prefix, int number,
                       const QString& ending);

// Why nothing was written to `path`: the button cannot be rendered, for `reason`.
QString NothingWrittenMessage(const QString& path, const QString& reason);

// Runs the series: sets LastTextIndex to the last slot in use (SetLastTextIndex), then for
// each slot from 0 to it, in order, sets TextIndex to the slot and calls exportSlot. Empty
// slots are exported too, as buttons without a caption. The first failure ends the series: false,
// with exportSlot's *error (which may be empty for a series that was called off). TextIndex
// stays on the slot the series ended on.
bool RunExportSeries(ButtonDesign& design,
                     const std::function<bool(int slot, QString* error)>& exportSlot,
                     QString* error);

// The finished button of the design's current slot, or false with the reason it could not
// be rendered (empty when the series is called off).
using SlotRender = std::function<bool(QImage* image, QString* reason)>;

// One image file per slot, named SeriesFileName(directory, prefix, slot + 1, "." + ending).
// A refused render writes nothing and ends the series with its reason.
bool ExportImageSeries(ButtonDesign& design, const QString& directory, const QString& prefix,
                       ImageType type, const SlotRender& render, QString* error);
