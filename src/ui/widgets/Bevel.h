#pragma once

#include <QWidget>

// A bevelled box or an etched line: separators, the step buttons' faces (raised, lowered
// while pressed) and the sunken frame around the texture.
class Bevel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(BevelShape bevelShape READ bevelShape WRITE setBevelShape)
  Q_PROPERTY(BevelStyle bevelStyle READ bevelStyle WRITE setBevelStyle)

 public:
  enum BevelShape { Box, TopLine, LeftLine };
  Q_ENUM(BevelShape)
  enum BevelStyle { Lowered, Raised };
  Q_ENUM(BevelStyle)

  explicit Bevel(QWidget* parent = nullptr);

  BevelShape bevelShape() const { return shape_; }
  void setBevelShape(BevelShape shape);
  BevelStyle bevelStyle() const { return style_; }
  void setBevelStyle(BevelStyle style);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  BevelShape shape_ = Box;
  BevelStyle style_ = Lowered;
};
