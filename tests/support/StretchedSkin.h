#pragma once

// Reading a skin back from a screenshot of a browser or a Qt Quick window, over a white page.
#include <QImage>
#include <QMargins>
#include <QRgb>
#include <cstdlib>

// Whether a screenshot's pixel shows `want` over the white page: exactly where it is opaque
// or clear, within 1 per channel where partly transparent (the viewer's own blending).
inline bool ShowsOverWhite(QRgb got, QRgb want) {
  const int a = qAlpha(want);
  const int pairs[3][2] = {
      {qRed(want), qRed(got)}, {qGreen(want), qGreen(got)}, {qBlue(want), qBlue(got)}};
  for (const auto& [c, seen] : pairs) {
    // c over white with alpha a, times 255.
    const int exact = c * a + 255 * (255 - a);
    const int tolerance = a == 0 || a == 255 ? 0 : 255;
    if (std::abs(seen * 255 - exact) > tolerance) return false;
  }
  return true;
}

// The skin stretched to w x h as a nine-patch: the corners and edges as they are, the band's
// first column and row (at the insets `m`) repeated.
inline QRgb NinePatchPixel(const QImage& skin, const QMargins& m, int w, int h, int x, int y) {
  int sx = m.left();
  if (x < m.left()) sx = x;
  if (x >= w - m.right()) sx = x - (w - skin.width());
  int sy = m.top();
  if (y < m.top()) sy = y;
  if (y >= h - m.bottom()) sy = y - (h - skin.height());
  return skin.pixel(sx, sy);
}
