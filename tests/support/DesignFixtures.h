#pragma once

#include <QList>

#include "ButtonDesign.h"
#include "DesignConversion.h"

// The default design.
inline ButtonDesign DefaultDesign() {
  ButtonDesign d{};
  CaptionFont font;
  ResetDesignFields(d, font);
  d.LastTextIndex = 0;
  return d;
}

// The worked example: fixed size 100 x 20, borders 18 and 8, outline 1, rectangle. With
// antialiasing the scaled image is 480 x 120 and the shape box 472 x 112.
inline ButtonDesign WorkedExample() {
  ButtonDesign d = DefaultDesign();
  d.AutoSize = 0;
  d.ButtonWidth = 100;
  d.ButtonHeight = 20;
  return d;
}

// The same scaled image without supersampling: every length already multiplied by 4, so
// WorkBitmap holds the picture the antialiased render has before its 4 x 4 reduction
// (with the caption font at 4 times its size as well).
inline ButtonDesign PreReductionOf(ButtonDesign d) {
  d.Antialias = 0;
  d.ButtonWidth *= 4;
  d.ButtonHeight *= 4;
  d.BorderWidth *= 4;
  d.BorderHeight *= 4;
  d.OutlineSize *= 4;
  d.BevelSize *= 4;
  d.TextOffsetX *= 4;
  d.TextOffsetY *= 4;
  return d;
}

// The captions of a record's slots, as those of a design file read (DesignOfRecord).
inline QList<Caption> SlotCaptions(const ButtonDesign& d) {
  return DesignOfRecord(d, CaptionFont{}).captions;
}
