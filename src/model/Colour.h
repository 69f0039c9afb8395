#pragma once

#include <cstdint>

// A design colour: 0x00BBGGRR, red in the low byte. A value whose top byte is 0xFF
// refers to a system colour by its index in the low byte.
using Colour = std::uint32_t;

// The system colour a reference stands for, or the value itself for a plain colour.
// System colours come from a fixed table (the classic Windows scheme) so a render
// never depends on the desktop it runs on; an unknown index gives black.
Colour ResolveColour(Colour value);

inline int RedOf(Colour c) {
  return static_cast<int>(c & 0xFF);
}
inline int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
inline int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

inline Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 |
         static_cast<Colour>(blue) << 16;
}
