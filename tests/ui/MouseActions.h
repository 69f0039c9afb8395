#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// What Qt delivers for a real double click: press, release, double-click, release.
inline void DoubleClick(QWidget* widget) {
  const QPointF at = QRectF(widget->rect()).center();
  QTest::mousePress(widget, Qt::LeftButton);
  QTest::mouseRelease(widget, Qt::LeftButton);
  QMouseEvent second(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &second);
  QTest::mouseRelease(widget, Qt::LeftButton);
}
