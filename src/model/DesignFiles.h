#pragma once

#include <QString>
#include <QStringList>

#include "Design.h"
#include "DesignHost.h"

// Designs on disk, of either kind: a design document (*.tessaro) or a design file (*.kq).

// The largest document read: room for the most captions with long texts, names and links.
inline constexpr qsizetype kMaxDesignDocumentBytes = 16 * 1024 * 1024;

// Whether a path names a design document: it ends with ".tessaro" in any case.
bool IsDesignDocumentPath(const QString& path);

// Reads a design. A path ending with ".tessaro" is read as a document and one ending with
// ".kq" as a design file (any case); with another ending, a file that starts with "{" is a
// document. False with *error set (starting "Invalid file \"path\"") when it cannot be
// read; *design is left as it was. Unknown keys of a document go to *warnings.
bool ReadDesign(const QString& path, Design* design, QString* error,
                QStringList* warnings = nullptr);

// Whether ReadDesign takes the file at `path` for a document: by its ending, and for another
// ending when the file starts with "{". False for a file that cannot be read.
bool IsDesignDocumentFile(const QString& path);

// Writes a design atomically: a document for a ".tessaro" path, a design file otherwise.
// For a design file, *losses (if given) gets what it cannot hold (RecordOfDesign). False
// with *error set when the file cannot be written; a file already there is then kept.
bool WriteDesign(const QString& path, const Design& design, QString* error,
                 QStringList* losses = nullptr);
// The same with the kind given, whatever the path's ending (a document that was opened from
// a file with another ending is saved as a document again).
bool WriteDesignOfKind(const QString& path, bool document, const Design& design, QString* error,
                       QStringList* losses = nullptr);

// The design operations of the editor and the command on a whole design.

// The defaults (the record as ResetDesignFields leaves it, LastTextIndex by the last-slot
// rule), one caption "Button Text", the set choices' defaults; then the texture bitmap
// emptied and the controls synchronised.
void ResetDesign(Design& design, DesignHost& host);

// Replaces the design by the one at `path` (either kind, ReadDesign). An unreadable file is
// reported ("Invalid file ...", with the reason for a document) and leaves the defaults; a
// document's unknown keys are shown as a warning; a texture that cannot be read is reported
// ("Couldnt find or open texturefile...") and forgotten; LastTextIndex is set by the
// last-slot rule (SetLastTextIndex), as a load of the record sets it. Then synchronises the
// controls and renders. False when the file could not be read.
bool LoadDesign(const QString& path, Design& design, DesignHost& host);
