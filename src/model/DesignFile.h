#pragma once

#include <QByteArray>
#include <QString>

#include "ButtonDesign.h"
#include "DesignHost.h"

// A design file: the 9052 record bytes, the font size (int32), the font name (a short
// string) and the style bits. No header, no version: the record layout is the format.
inline constexpr qsizetype kDesignFileSize = 9313;

QByteArray EncodeDesignFile(const ButtonDesign& design, const CaptionFont& font);
// Takes the first 9313 bytes of data (more are ignored); false, with nothing changed,
// when data is shorter.
bool DecodeDesignFile(const QByteArray& data, ButtonDesign& design, CaptionFont& font);

// Writes the design file atomically; false with a message naming the path on failure.
bool SaveDesign(const QString& path, const ButtonDesign& design, const CaptionFont& font,
                QString* error);

// The messages of a load: a design that cannot be read, and a texture that cannot.
QString InvalidFileMessage(const QString& path);
QString TextureNotFoundMessage(const QString& texturePath);

// Replaces the design by the file's, reporting an unreadable file ("Invalid file") or
// texture ("Couldnt find or open texturefile") through the host; then sets LastTextIndex
// (SetLastTextIndex), synchronises the controls and renders. Afterwards the record holds the
// loaded design or the defaults; false when the file could not be read (the defaults).
bool LoadDesign(const QString& path, ButtonDesign& design, CaptionFont& font, DesignHost& host);

// The defaults with LastTextIndex set (SetLastTextIndex), the texture bitmap emptied and the
// controls synchronised.
void ResetDesign(ButtonDesign& design, CaptionFont& font, DesignHost& host);
