#pragma once

#include <QString>
#include <cstdint>

// The caption font: kept beside the design record, not inside its bytes. The design file
// stores its size, name and style after the record.
struct CaptionFont {
  QString name = QStringLiteral("Arial");
  std::int32_t size = 14;  // points
  bool bold = true;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;

  // Bit 0 bold, bit 1 italic, bit 2 underline, bit 3 strikeout.
  std::uint8_t styleBits() const {
    return static_cast<std::uint8_t>((bold ? 1 : 0) | (italic ? 2 : 0) | (underline ? 4 : 0) |
                                     (strikeout ? 8 : 0));
  }
  void setStyleBits(std::uint8_t bits) {
    bold = bits & 1;
    italic = bits & 2;
    underline = bits & 4;
    strikeout = bits & 8;
  }
  bool operator==(const CaptionFont&) const = default;
};
