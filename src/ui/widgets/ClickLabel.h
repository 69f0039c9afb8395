#pragma once

#include <QLabel>

#include "ClickTracker.h"

// A label that reacts to the mouse like ImageBox: link labels and the font button's caption.
class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(QWidget* parent = nullptr);

 signals:
  void mouseDown(Qt::MouseButton button);
  void clicked();
  void doubleClicked();
  void mouseUp(Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ClickTracker tracker_;
};
