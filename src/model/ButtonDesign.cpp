#include "ButtonDesign.h"

#include <algorithm>

namespace {
int clampedIndex(std::int32_t index) {
  return std::clamp(index, 0, kCaptionSlotCount - 1);
}
}  // namespace

const ShortString& ButtonDesign::currentSlot() const {
  return CaptionSlots[clampedIndex(TextIndex)];
}

ShortString& ButtonDesign::currentSlot() {
  return CaptionSlots[clampedIndex(TextIndex)];
}

void ResetDesignFields(ButtonDesign& d, CaptionFont& font) {
  d.BorderWidth = 18;
  d.BorderHeight = 8;
  d.Antialias = 1;
  d.TextureBrightness = 50;
  d.TextureStretch = 0;
  d.TextureFile.clear();
  d.ShapeKind = kRectangle;
  d.TextOffsetX = 0;
  d.TextOffsetY = 0;
  d.SurfaceColour = 0x000000;
  d.Distortion = 0;
  d.LastTextIndex = 1;
  d.TextIndex = 0;
  d.AutoSize = 1;
  d.ButtonWidth = 100;
  d.ButtonHeight = 20;
  d.FillDirection = 0;
  d.ReservedFlag = 1;
  for (ShortString& slot : d.CaptionSlots)
    slot.clear();
  d.CaptionSlots[0].setBytes("Button Text");
  d.Caption.setBytes(d.CaptionSlots[0].bytes());
  font.size = 14;
  font.setStyleBits(1);
  font.name = QStringLiteral("Arial");
  d.OutlineSize = 1;
  d.OutlineColour = 0x000000;
  d.Colour1 = MakeColour(20, 120, 80);
  d.Colour2 = MakeColour(140, 180, 140);
  d.BevelSize = 3;
  d.HighlightColour = 0xFFFFFF;
  d.ShadowColour = 0x000000;
  d.TextColour = 0xFFFFFF;
  d.FillKind = kGradient;
  d.BackColour = 0xFFFFFF;
  d.PlasmaColour = 0x000000;
}

int LastSlot(const ButtonDesign& design) {
  int last = 0;
  for (int i = kCaptionSlotCount - 1; i > 0; --i) {
    if (!design.CaptionSlots[i].isEmpty()) {
      last = i;
      break;
    }
  }
  return std::max(last, static_cast<int>(design.TextIndex));
}

void SetLastTextIndex(ButtonDesign& design) {
  design.LastTextIndex = LastSlot(design);
}

void BringIntoRange(ButtonDesign& design) {
  design.TextIndex = clampedIndex(design.TextIndex);
}
