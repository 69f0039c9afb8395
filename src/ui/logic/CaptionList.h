#pragma once

#include "Design.h"

// The editor's captions. The current caption always exists, and the list ends with it or
// with the last caption that is not empty, as the heading "Text (i/n)" counts them: moving
// past the last caption opens a new empty one, and moving back leaves it behind unless
// something was written into it. So a design file, which keeps the slots up to the current
// one or the last one in use, comes back as it was opened.

// Drops the empty captions (no text, name or link) after index `keep`; the list keeps at
// least one caption.
void DropEmptyCaptionsAfter(QList<Caption>& captions, int keep);

// Brings the current caption into 0 .. kMaxCaptions - 1, opens empty captions up to it and
// drops the empty captions after it.
void KeepCurrentCaption(Design& design);
