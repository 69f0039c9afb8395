#include "FormShape.h"

#include <QPainter>
#include <algorithm>

FormShape::FormShape(Figure figure, const QColor& fill, std::optional<QColor> outline,
                     QWidget* parent)
    : QWidget(parent), figure_(figure), fill_(fill), outline_(outline) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(fill_);
  painter.setPen(outline_ ? QPen(*outline_, 1) : QPen(Qt::NoPen));
  // A one-pixel line is centred on the edge: half a pixel in keeps it whole.
  const qreal inset = outline_ ? 0.5 : 0;
  const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
  const qreal side = std::min(box.width(), box.height());
  if (figure_ == Circle) {
    painter.drawEllipse(
        QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side));
  } else {
    // The corners are quarter ellipses a quarter of the smaller side across.
    painter.drawRoundedRect(box, side / 8, side / 8);
  }
}
