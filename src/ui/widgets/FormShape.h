#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

// A filled figure on a form: a circle centred in its box (as wide as the box's smaller
// side) or a rectangle with rounded corners, with or without a one-pixel outline.
class FormShape : public QWidget {
  Q_OBJECT

 public:
  enum Figure { Circle, RoundRect };

  FormShape(Figure figure, const QColor& fill, std::optional<QColor> outline,
            QWidget* parent = nullptr);

  QColor fill() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Figure figure_;
  QColor fill_;
  std::optional<QColor> outline_;
};
