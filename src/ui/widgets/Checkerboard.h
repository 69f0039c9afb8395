#pragma once

#include <QRect>

class QPainter;

// The grey and white squares that stand for "nothing here" under a transparent image, in
// 8-pixel squares anchored at the area's top left.
void PaintCheckerboard(QPainter& painter, const QRect& area);
