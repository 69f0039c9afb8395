#include "ImageBox.h"

#include <QPainter>

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void ImageBox::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void ImageBox::setMessage(const QString& message) {
  message_ = message;
  update();
}

void ImageBox::setCenter(bool center) {
  center_ = center;
  update();
}

void ImageBox::paintEvent(QPaintEvent*) {
  if (!message_.isEmpty()) {
    QPainter painter(this);
    painter.setPen(QColor(160, 0, 0));
    painter.drawText(rect().adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap, message_);
    return;
  }
  if (picture_.isNull()) return;
  QPainter painter(this);
  QPoint at(0, 0);
  if (center_) at = QPoint((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
  painter.drawImage(at, picture_);
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
  tracker_.press(*event);
  emit mouseDown(event->button());
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (tracker_.doubleClick(*event)) emit doubleClicked();
  emit mouseDown(event->button());
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
  if (tracker_.release(*event, rect()).click) emit clicked();
  emit mouseUp(event->button());
}
