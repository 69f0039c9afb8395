#include "Colour.h"

#include <array>

namespace {
// GetSysColor's values of the classic scheme, indexed by COLOR_* constant.
constexpr std::array<Colour, 31> kSystemColours = {
    0xC8D0D4,  // scroll bar
    0xA56E3A,  // background (desktop)
    0x6A240A,  // active caption
    0x808080,  // inactive caption
    0xC8D0D4,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC8D0D4,  // active border
    0xC8D0D4,  // inactive border
    0x808080,  // application workspace
    0x6A240A,  // highlight
    0xFFFFFF,  // highlight text
    0xC8D0D4,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC8D0D4,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x404040,  // 3D dark shadow
    0xC8D0D4,  // 3D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0xB5B5B5,  // (unused index 25)
    0x800000,  // hot light
    0xF0CAA6,  // gradient active caption
    0xC0C0C0,  // gradient inactive caption
    0x6A240A,  // menu highlight
    0xC8D0D4,  // menu bar
};
}  // namespace

Colour ResolveColour(Colour value) {
  if ((value & 0xFF000000u) != 0xFF000000u) return value;
  const Colour index = value & 0xFF;
  return index < kSystemColours.size() ? kSystemColours[index] : 0;
}
