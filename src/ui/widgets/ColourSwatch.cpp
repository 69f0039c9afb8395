#include "ColourSwatch.h"

#include <QPainter>

QColor ToQColor(Colour colour) {
  const Colour c = ResolveColour(colour);
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

Colour FromQColor(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return MakeColour(rgb.red(), rgb.green(), rgb.blue());
}

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void ColourSwatch::setFill(const QColor& colour) {
  fill_ = colour;
  update();
}

void ColourSwatch::setFill(Colour colour) {
  setFill(ToQColor(colour));
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setBrush(fill_);
  painter.drawRect(0, 0, width() - 1, height() - 1);
}
