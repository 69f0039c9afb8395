#include "ImageChoice.h"

unsigned ExtrasFor(bool transparent, int scale) {
  const bool twice = scale == 2;
  if (transparent) return twice ? kTransparent2x : kTransparent;
  return twice ? kOpaque2x : 0u;
}

QImage ChosenImage(const ButtonExtras& extras, const QImage& button, bool transparent, int scale) {
  const bool twice = scale == 2;
  if (transparent) return twice ? extras.transparent2x : extras.transparent;
  return twice ? extras.opaque2x : button;
}
