#pragma once

#include <QImage>
#include <QWidget>

#include "ClickTracker.h"

// A picture on the form: drawn unscaled at the top left or centred, cut to the box, and
// transparent where it has no picture (so a colour swatch below shows through). Reports
// clicks in the order the handlers expect (ClickTracker).
class ImageBox : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool center READ center WRITE setCenter)

 public:
  explicit ImageBox(QWidget* parent = nullptr);

  const QImage& picture() const { return picture_; }
  void setPicture(const QImage& picture);
  // A text drawn in place of the picture while it is not empty (why there is no picture).
  const QString& message() const { return message_; }
  void setMessage(const QString& message);
  bool center() const { return center_; }
  void setCenter(bool center);

 signals:
  void mouseDown(Qt::MouseButton button);
  void clicked();
  void doubleClicked();
  void mouseUp(Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  QString message_;
  bool center_ = false;
  ClickTracker tracker_;
};
