#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "Design.h"

// The design document (*.tessaro): one JSON object in UTF-8, format 1. It holds the look
// under readable names, the caption font, the texture path, every caption with its name
// and link, the current caption, the set choices, and in "kq" whatever a design file's
// record keeps that Tessaro never reads (written only when it differs from a new
// design's), so a design file converted to a document and back is the same file.
inline constexpr int kDesignDocumentFormat = 1;

// The document's bytes: keys in a fixed order, two-space indent, "\n" line ends and a
// final newline, so the same design always gives the same bytes. Paths below `folder` (the
// document's own folder) are written relative to it with "/" separators, others absolute.
QByteArray EncodeDesignDocument(const Design& design, const QString& folder);

// Reads a document; relative paths are taken from `folder`. Keys that are missing take the
// values of a new design. On bad input returns false with *error naming the place (the JSON
// path, such as captions[3].name, or line and column) and leaves *design untouched. Keys
// this version does not know are ignored, each named in *warnings (if given).
bool DecodeDesignDocument(const QByteArray& data, const QString& folder, Design* design,
                          QString* error, QStringList* warnings = nullptr);
