#include "ClickLabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  tracker_.press(*event);
  emit mouseDown(event->button());
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (tracker_.doubleClick(*event)) emit doubleClicked();
  emit mouseDown(event->button());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (tracker_.release(*event, rect()).click) emit clicked();
  emit mouseUp(event->button());
}
