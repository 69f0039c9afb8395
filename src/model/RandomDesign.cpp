#include "RandomDesign.h"

namespace {
Colour randomColour() {
  const int blue = RandomInt(255);
  const int green = RandomInt(255);
  const int red = RandomInt(255);
  return MakeColour(red, green, blue);
}

// The look's fields in the order that fixes which draw goes where. Emptying the texture
// bitmap, the host's part, belongs between TextureBrightness and TextureStretch; it draws
// nothing, so the callers do it first.
void randomLook(ButtonDesign& d, CaptionFont& font) {
  d.BorderWidth = 18;
  d.BorderHeight = 8;
  d.Antialias = 1;
  d.TextureBrightness = 50;
  d.TextureStretch = 0;
  d.TextureFile.clear();
  d.ShapeKind = static_cast<std::uint8_t>(RandomInt(5));  // never the rounded rectangle
  d.TextOffsetX = 0;
  d.TextOffsetY = 0;
  d.SurfaceColour = randomColour();
  d.Distortion = static_cast<std::uint8_t>(RandomInt(100));
  d.AutoSize = 1;
  d.ButtonWidth = 100;
  d.ButtonHeight = 20;
  d.FillDirection = RandomInt(180) - 90;
  d.ReservedFlag = 1;
  font.size = RandomInt(12) + 8;
  font.setStyleBits(RandomInt(2) == 1 ? 1 : 0);  // bold or regular, one draw
  font.name = QStringLiteral("Arial");
  d.OutlineSize = 1;
  d.OutlineColour = 0x000000;
  d.Colour1 = randomColour();
  d.Colour2 = randomColour();
  d.BevelSize = RandomInt(4) + 1;
  d.HighlightColour = 0xFFFFFF;
  d.ShadowColour = 0x000000;
  d.TextColour = 0xFFFFFF;
  d.FillKind = static_cast<std::uint8_t>(RandomInt(5));
  d.BackColour = 0xFFFFFF;
  d.PlasmaColour = randomColour();
}
}  // namespace

void MakeRandomDesign(ButtonDesign& design, CaptionFont& font, DesignHost& host) {
  host.clearTexture();
  randomLook(design, font);
  SetLastTextIndex(design);
  host.syncControls();
}

void MakeRandomDesign(Design& design, DesignHost& host) {
  host.clearTexture();
  randomLook(design.record, design.font);
  design.texture.clear();
  SetLastTextIndex(design);
  host.syncControls();
}
