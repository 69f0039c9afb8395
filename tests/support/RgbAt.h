#pragma once

#include <QImage>
#include <ostream>

// One pixel as red, green, blue, for readable expectations.
struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
inline Rgb RgbAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return {qRed(p), qGreen(p), qBlue(p)};
}
