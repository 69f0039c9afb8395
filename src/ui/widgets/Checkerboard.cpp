#include "Checkerboard.h"

#include <QPainter>

void PaintCheckerboard(QPainter& painter, const QRect& area) {
  constexpr int kSquare = 8;
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.fillRect(area, QColor(255, 255, 255));
  for (int y = area.top(); y <= area.bottom(); y += kSquare) {
    for (int x = area.left(); x <= area.right(); x += kSquare) {
      if (((x - area.left()) / kSquare + (y - area.top()) / kSquare) % 2 == 1) {
        painter.fillRect(x, y, kSquare, kSquare, QColor(204, 204, 204));
      }
    }
  }
  painter.restore();
}
