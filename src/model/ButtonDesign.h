#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

#include "CaptionFont.h"
#include "Colour.h"
#include "ShortString.h"

inline constexpr int kCaptionSlotCount = 32;
inline constexpr std::size_t kDesignRecordSize = 9052;

enum ShapeKinds : std::uint8_t {
  kRectangle = 0,
  kRoundedEdges = 1,
  kHexagon = 2,
  kOctagon = 3,
  kEllipse = 4,
  kRoundedRectangle = 5,
};

enum FillKinds : std::uint8_t {
  kGradient = 0,
  kPlasma = 1,
  kPlasma2 = 2,
  kSingleColour = 3,
  kTexture = 4,
};

// Every parameter of one button. The members are laid out exactly as the 9052-byte body of
// the design file (little-endian), so the record's own bytes are its file form. Flags are
// bytes: the program writes 0 or 1, and any non-zero byte reads as true.
struct ButtonDesign {
  std::int32_t TextIndex;      // current caption slot, 0..31
  std::int32_t LastTextIndex;  // last caption slot in use (stored only)
  std::int32_t BevelSize;      // output pixels; 0 or less: no bevel
  std::int32_t FillDirection;  // gradient angle in degrees; plasma shift
  std::int32_t OutlineSize;    // output pixels
  std::int32_t ButtonHeight;   // when AutoSize is off, 1..1024
  std::int32_t ButtonWidth;    // when AutoSize is off, 1..1024
  std::uint8_t Antialias;      // render at 4x and average down
  std::uint8_t ReservedFlag;
  std::uint8_t AutoSize;    // size from the caption text
  std::uint8_t Distortion;  // noise strength, percent
  std::uint8_t ShapeKind;   // ShapeKinds
  std::uint8_t FillKind;    // FillKinds
  ShortString Caption;      // working copy of the current caption
  ShortString CaptionSlots[kCaptionSlotCount];
  std::uint8_t ReservedBlock[258];  // never interpreted, kept as loaded
  Colour SurfaceColour;             // mixed in by the distortion noise
  Colour PlasmaColour;
  Colour BackColour;  // outside the shape
  Colour TextColour;
  Colour OutlineColour;
  Colour Colour1;
  Colour Colour2;
  Colour HighlightColour;  // bevel, top and left
  Colour ShadowColour;     // bevel, bottom and right
  ShortString TextureFile;
  std::int32_t BorderHeight;  // added to the button height, output pixels
  std::int32_t BorderWidth;   // added to the button width, output pixels
  std::int32_t TextOffsetX;
  std::int32_t TextOffsetY;
  std::uint8_t TextureBrightness;  // 0 black, 50 unchanged, 100 white
  std::uint8_t TextureStretch;     // 0 tile, 1 stretch
  std::uint8_t Padding[2];

  std::span<const std::byte, kDesignRecordSize> bytes() const {
    return std::span<const std::byte, kDesignRecordSize>(reinterpret_cast<const std::byte*>(this),
                                                         kDesignRecordSize);
  }
  std::span<std::byte, kDesignRecordSize> bytes() {
    return std::span<std::byte, kDesignRecordSize>(reinterpret_cast<std::byte*>(this),
                                                   kDesignRecordSize);
  }

  // CaptionSlots[TextIndex], with the index brought into 0..31 so that no value can reach
  // past the slots.
  const ShortString& currentSlot() const;
  ShortString& currentSlot();
};

static_assert(std::endian::native == std::endian::little,
              "the record's bytes are its little-endian file form");
static_assert(std::is_standard_layout_v<ButtonDesign> &&
              std::is_trivially_copyable_v<ButtonDesign>);
static_assert(sizeof(ButtonDesign) == kDesignRecordSize);
static_assert(offsetof(ButtonDesign, TextIndex) == 0);
static_assert(offsetof(ButtonDesign, LastTextIndex) == 4);
static_assert(offsetof(ButtonDesign, BevelSize) == 8);
static_assert(offsetof(ButtonDesign, FillDirection) == 12);
static_assert(offsetof(ButtonDesign, OutlineSize) == 16);
static_assert(offsetof(ButtonDesign, ButtonHeight) == 20);
static_assert(offsetof(ButtonDesign, ButtonWidth) == 24);
static_assert(offsetof(ButtonDesign, Antialias) == 28);
static_assert(offsetof(ButtonDesign, ReservedFlag) == 29);
static_assert(offsetof(ButtonDesign, AutoSize) == 30);
static_assert(offsetof(ButtonDesign, Distortion) == 31);
static_assert(offsetof(ButtonDesign, ShapeKind) == 32);
static_assert(offsetof(ButtonDesign, FillKind) == 33);
static_assert(offsetof(ButtonDesign, Caption) == 34);
static_assert(offsetof(ButtonDesign, CaptionSlots) == 290);
static_assert(offsetof(ButtonDesign, ReservedBlock) == 8482);
static_assert(offsetof(ButtonDesign, SurfaceColour) == 8740);
static_assert(offsetof(ButtonDesign, PlasmaColour) == 8744);
static_assert(offsetof(ButtonDesign, BackColour) == 8748);
static_assert(offsetof(ButtonDesign, TextColour) == 8752);
static_assert(offsetof(ButtonDesign, OutlineColour) == 8756);
static_assert(offsetof(ButtonDesign, Colour1) == 8760);
static_assert(offsetof(ButtonDesign, Colour2) == 8764);
static_assert(offsetof(ButtonDesign, HighlightColour) == 8768);
static_assert(offsetof(ButtonDesign, ShadowColour) == 8772);
static_assert(offsetof(ButtonDesign, TextureFile) == 8776);
static_assert(offsetof(ButtonDesign, BorderHeight) == 9032);
static_assert(offsetof(ButtonDesign, BorderWidth) == 9036);
static_assert(offsetof(ButtonDesign, TextOffsetX) == 9040);
static_assert(offsetof(ButtonDesign, TextOffsetY) == 9044);
static_assert(offsetof(ButtonDesign, TextureBrightness) == 9048);
static_assert(offsetof(ButtonDesign, TextureStretch) == 9049);
static_assert(offsetof(ButtonDesign, Padding) == 9050);

// The default design, set field by field in the documented order. ReservedBlock and the
// padding are left as they are; the strings are written whole, so no byte of a discarded
// caption or path survives and New gives the string bytes of start-up. Clearing the
// texture bitmap and synchronising the controls are the caller's part (DesignHost).
void ResetDesignFields(ButtonDesign& design, CaptionFont& font);

// The highest slot index in use: max(TextIndex, highest non-empty slot, 0).
int LastSlot(const ButtonDesign& design);
// LastTextIndex := LastSlot. Whatever replaces the record as a whole (reset, load, random
// design) and whatever moves the caption slot applies it, so a saved record always holds it.
void SetLastTextIndex(ButtonDesign& design);

// A loaded record is taken as the file holds it, so that saving it again writes the same
// bytes; these are the rules that give every value a defined meaning, and the one place
// where they are listed:
// - TextIndex: brought into 0..31 here, because the caption editor and the renderer index
//   the slots by it (currentSlot() clamps as well). This, LastTextIndex set anew from the
//   slots (SetLastTextIndex) and emptying a TextureFile that cannot be read (LoadDesign) are
//   the only changes a load makes to the record.
// - ShapeKind above 5: drawn as a rectangle. FillKind above 4, or Texture without a loaded
//   texture: painted as a single colour. Both stay as loaded.
// - ButtonWidth, ButtonHeight, BorderWidth, BorderHeight, OutlineSize: sizes are formed in
//   64-bit arithmetic from the 32-bit fields, so no value overflows; a size that comes out
//   negative counts as 0, and an image above the render budget (kMaxRenderPixels) is
//   refused with a message instead of allocated. BevelSize of 0 or less: no bevel.
// - TextOffsetX, TextOffsetY, FillDirection: any value; a caption moved off the image is
//   not drawn.
// - Distortion above 100 and TextureBrightness above 100: the formulas as they stand, each
//   channel clamped to 0..255. Flags (Antialias, AutoSize, TextureStretch): any non-zero
//   byte is true.
// - Font size: any value; the caption is drawn at its size in pixels brought into
//   1..8192 (kMaxCaptionPixels), a negative size counting as its magnitude.
// - ReservedFlag, ReservedBlock, padding and the bytes past each string's length: kept and
//   written back unread.
void BringIntoRange(ButtonDesign& design);
