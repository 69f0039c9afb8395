#include "Bevel.h"

#include <QPainter>

Bevel::Bevel(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  // Only a frame: clicks belong to whatever lies on top of it.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::setBevelShape(BevelShape shape) {
  shape_ = shape;
  update();
}

void Bevel::setBevelStyle(BevelStyle style) {
  if (style_ == style) return;
  style_ = style;
  update();
}

void Bevel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor light = palette().color(QPalette::Light);
  const QColor dark = palette().color(QPalette::Dark);
  // Lowered: dark at the top and left, light at the bottom and right; raised the reverse.
  const QColor first = style_ == Lowered ? dark : light;
  const QColor second = style_ == Lowered ? light : dark;
  const int r = width() - 1;
  const int b = height() - 1;
  switch (shape_) {
    case Box:
      painter.setPen(first);
      painter.drawLine(0, b, 0, 0);
      painter.drawLine(0, 0, r, 0);
      painter.setPen(second);
      painter.drawLine(r, 0, r, b);
      painter.drawLine(r, b, 0, b);
      break;
    case TopLine:
      painter.setPen(first);
      painter.drawLine(0, 0, r, 0);
      painter.setPen(second);
      painter.drawLine(0, 1, r, 1);
      break;
    case LeftLine:
      painter.setPen(first);
      painter.drawLine(0, 0, 0, b);
      painter.setPen(second);
      painter.drawLine(1, 0, 1, b);
      break;
  }
}
