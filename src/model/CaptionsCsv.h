#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "Design.h"

// Captions from a CSV file (RFC 4180, UTF-8, a byte order mark allowed). The header row
// names the columns: "text" (required), "name" and "link" (optional), in any order and any
// case; another column is refused, so a misspelt one is not silently dropped. Every row
// holds as many fields as the header. A quoted field may hold line breaks: CR LF, LF or CR
// inside a caption become its line breaks ('\n'). An empty name or link is none. Names
// follow the rules of a design document (plain file stems, each once).
// On success *captions holds one caption per row after the header (1 to kMaxCaptions); on
// failure it is untouched and *error names the line.
bool ReadCaptionsCsv(const QByteArray& data, QList<Caption>* captions, QString* error);
