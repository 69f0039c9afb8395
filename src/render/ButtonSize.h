#pragma once

#include <QSize>

#include "ButtonDesign.h"

// The size of the finished button with this caption, from the sizing steps alone: no pixel
// is drawn and nothing is drawn from the random generator. Empty when the render would make
// no image.
QSize ButtonImageSize(const ButtonDesign& design, const CaptionFont& font, const QString& caption);

// Turns Autosize off and sets ButtonWidth and ButtonHeight so that the design's button comes
// out `size` with its own borders, shape and outline, whatever its caption; a caption is
// then centred in it as the renderer centres every caption. False, with the design
// unchanged, when no button size gives exactly that size (beyond the size clamp, for
// example).
bool FixButtonSize(ButtonDesign& design, const CaptionFont& font, QSize size);
