#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QString>

// The preview: the rendered button centred in the box at a zoom factor, with scroll bars
// while it is larger than the box. Zooming in shows whole pixels (each button pixel a
// square of screen pixels, nearest neighbour) so that edges can be inspected; below actual
// size the button is scaled down smoothly. Ctrl+wheel zooms about the pointer. A refused
// render's text is drawn in place of the picture. Everything the preview draws is drawn
// here (paintEvent), from the picture and the zoom.
class PreviewBox : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit PreviewBox(QWidget* parent = nullptr);

  // The button as exported and copied. It sets the preview's size at zoom 1.
  const QImage& picture() const { return picture_; }
  void setPicture(const QImage& picture);
  // What is drawn in the picture's place, of the same size in device-independent pixels:
  // the picture itself (a null image), its transparent image over a checkerboard, or an
  // image of twice the density (device pixel ratio 2) for a screen scaled twice.
  void setPicture(const QImage& picture, const QImage& shown, bool checkerboard);
  const QImage& shown() const { return shown_.isNull() ? picture_ : shown_; }
  bool checkerboard() const { return checkerboard_; }
  // A text drawn in place of the picture while it is not empty (why there is no picture).
  const QString& message() const { return message_; }
  void setMessage(const QString& message);

  // Screen pixels per button pixel: 1 is actual size; above 1 a whole number.
  double zoom() const { return zoom_; }
  // "Fit" is on: the zoom follows the picture's and the box's size.
  bool fitting() const { return fit_; }

  void zoomIn();
  void zoomOut();
  void actualSize();
  // The largest zoom that shows the whole button: a whole number when it is smaller than
  // the box, a fraction when it is larger.
  void fit();

  // Where the picture's top left pixel is drawn, in viewport coordinates.
  QPoint pictureOrigin() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // Zooms so that the picture point under `anchor` (viewport coordinates) stays there.
  void setZoom(double zoom, QPointF anchor);
  void step(int steps, QPointF anchor);
  double fitZoom() const;
  QSize shownSize() const;
  void updateScrollBars();
  void centre();

  QImage picture_;
  QImage shown_;  // drawn in the picture's place; null: the picture itself
  bool checkerboard_ = false;
  QImage shrunk_;  // picture_ scaled down for a zoom below 1, made when first drawn
  QString message_;
  double zoom_ = 1;
  bool fit_ = false;
  int wheelTurn_ = 0;  // the wheel's turn not yet used up, in eighths of a degree
};
