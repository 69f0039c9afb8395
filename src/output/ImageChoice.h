#pragma once

#include <QImage>

#include "ExtraImages.h"

// Which picture of a render a caller shows or writes: the button itself, or with the page
// showing through (transparent), at scale 1 or 2.

// The extra images (ExtraImage flags) a render must make for that picture: none for the
// button itself at scale 1.
unsigned ExtrasFor(bool transparent, int scale);

// The picture of a finished render: `button` itself, or the extra image ExtrasFor named (a
// null image when the render made none, as for a size of 0).
QImage ChosenImage(const ButtonExtras& extras, const QImage& button, bool transparent, int scale);
