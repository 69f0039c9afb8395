#pragma once

#include <QColor>
#include <QWidget>

#include "Colour.h"

// A square showing a design colour, framed by a one-pixel black line.
class ColourSwatch : public QWidget {
  Q_OBJECT

 public:
  explicit ColourSwatch(QWidget* parent = nullptr);

  QColor fill() const { return fill_; }
  void setFill(const QColor& colour);
  void setFill(Colour colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_ = Qt::white;
};

// A design colour (0x00BBGGRR, system colours resolved) as a QColor, and back.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);
