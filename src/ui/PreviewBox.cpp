#include "PreviewBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>

#include "Checkerboard.h"

namespace {
// The zooms Zoom in and Zoom out step through.
constexpr std::array<double, 11> kZooms = {0.125, 0.25, 0.5, 1, 2, 3, 4, 6, 8, 12, 16};
constexpr double kMaxZoom = 16;
constexpr int kWheelNotch = 120;  // one notch of a common wheel, in eighths of a degree

int floorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}
}  // namespace

PreviewBox::PreviewBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);
  // The group box shows through around the button, as on a form.
  viewport()->setAutoFillBackground(false);
}

void PreviewBox::setPicture(const QImage& picture) {
  setPicture(picture, QImage(), false);
}

void PreviewBox::setPicture(const QImage& picture, const QImage& shown, bool checkerboard) {
  const bool resized = picture.size() != picture_.size();
  picture_ = picture;
  shown_ = shown;
  checkerboard_ = checkerboard;
  shrunk_ = QImage();
  if (fit_) zoom_ = fitZoom();
  updateScrollBars();
  // A new size is shown from its middle; the same size keeps the part being looked at.
  if (resized) centre();
  viewport()->update();
}

void PreviewBox::setMessage(const QString& message) {
  message_ = message;
  updateScrollBars();
  viewport()->update();
}

void PreviewBox::zoomIn() {
  step(1, QRectF(viewport()->rect()).center());
}

void PreviewBox::zoomOut() {
  step(-1, QRectF(viewport()->rect()).center());
}

void PreviewBox::actualSize() {
  fit_ = false;
  setZoom(1, QRectF(viewport()->rect()).center());
}

void PreviewBox::fit() {
  fit_ = true;
  setZoom(fitZoom(), QRectF(viewport()->rect()).center());
}

void PreviewBox::step(int steps, QPointF anchor) {
  fit_ = false;
  double zoom = zoom_;
  for (; steps > 0; --steps) {
    const auto next = std::upper_bound(kZooms.begin(), kZooms.end(), zoom);
    if (next != kZooms.end()) zoom = *next;
  }
  for (; steps < 0; ++steps) {
    const auto next = std::lower_bound(kZooms.begin(), kZooms.end(), zoom);
    if (next != kZooms.begin()) zoom = *(next - 1);
  }
  setZoom(zoom, anchor);
}

void PreviewBox::setZoom(double zoom, QPointF anchor) {
  const QPointF at = (anchor - QPointF(pictureOrigin())) / zoom_;
  const bool changed = zoom != zoom_;
  zoom_ = zoom;
  shrunk_ = QImage();
  updateScrollBars();
  // The origin is minus the scroll position once the picture is larger than the box.
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(at.x() * zoom_ - anchor.x())));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(at.y() * zoom_ - anchor.y())));
  if (changed) viewport()->update();
}

double PreviewBox::fitZoom() const {
  if (picture_.isNull()) return 1;
  const QSize room = maximumViewportSize();
  const double fits = std::min(static_cast<double>(room.width()) / picture_.width(),
                               static_cast<double>(room.height()) / picture_.height());
  return fits >= 1 ? std::min(std::floor(fits), kMaxZoom) : fits;
}

QSize PreviewBox::shownSize() const {
  if (picture_.isNull() || !message_.isEmpty()) return QSize(0, 0);
  if (zoom_ >= 1) return picture_.size() * static_cast<int>(zoom_);
  return QSize(std::max(1, static_cast<int>(picture_.width() * zoom_)),
               std::max(1, static_cast<int>(picture_.height() * zoom_)));
}

QPoint PreviewBox::pictureOrigin() const {
  const QSize shown = shownSize();
  const QSize view = viewport()->size();
  return QPoint(shown.width() <= view.width() ? (view.width() - shown.width()) / 2
                                              : -horizontalScrollBar()->value(),
                shown.height() <= view.height() ? (view.height() - shown.height()) / 2
                                                : -verticalScrollBar()->value());
}

void PreviewBox::updateScrollBars() {
  const QSize shown = shownSize();
  QSize view = viewport()->size();
  const QSize room = maximumViewportSize();
  // Without scroll bars the viewport has all the room; it fits when it fits there.
  if (shown.width() <= room.width() && shown.height() <= room.height()) view = room;
  horizontalScrollBar()->setRange(0, std::max(0, shown.width() - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  verticalScrollBar()->setRange(0, std::max(0, shown.height() - view.height()));
  verticalScrollBar()->setPageStep(view.height());
  horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(zoom_)) * 4);
  verticalScrollBar()->setSingleStep(std::max(1, static_cast<int>(zoom_)) * 4);
}

void PreviewBox::centre() {
  horizontalScrollBar()->setValue(horizontalScrollBar()->maximum() / 2);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum() / 2);
}

void PreviewBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (fit_) zoom_ = fitZoom();
  shrunk_ = QImage();
  updateScrollBars();
}

void PreviewBox::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  wheelTurn_ += event->angleDelta().y();
  const int notches = wheelTurn_ / kWheelNotch;
  wheelTurn_ -= notches * kWheelNotch;
  if (notches != 0) step(notches, event->position());
  event->accept();
}

void PreviewBox::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (!message_.isEmpty()) {
    painter.setPen(QColor(160, 0, 0));
    painter.drawText(viewport()->rect().adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap,
                     message_);
    return;
  }
  if (picture_.isNull()) return;
  const QPoint origin = pictureOrigin();
  const QImage& image = shown();
  if (checkerboard_) PaintCheckerboard(painter, QRect(origin, shownSize()));
  if (zoom_ < 1) {
    if (shrunk_.isNull()) {
      shrunk_ = image.scaled(shownSize() * image.devicePixelRatio(), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
      shrunk_.setDevicePixelRatio(image.devicePixelRatio());
    }
    painter.drawImage(origin, shrunk_);
    return;
  }
  const int scale = static_cast<int>(zoom_);
  if (scale == 1) {
    // An image of twice the density lands on the screen's own pixels, one for one.
    painter.drawImage(origin, image);
    return;
  }
  // Only the button pixels under the exposed part, each as a scale x scale square: no
  // smoothing, so every square has exactly its pixel's colour.
  const QRect exposed = event->rect();
  const QRect source = QRect(QPoint(floorDiv(exposed.left() - origin.x(), scale),
                                    floorDiv(exposed.top() - origin.y(), scale)),
                             QPoint(floorDiv(exposed.right() - origin.x(), scale),
                                    floorDiv(exposed.bottom() - origin.y(), scale)))
                           .intersected(picture_.rect());
  if (source.isEmpty()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // The source in the shown image's own pixels (twice as many at 2x).
  const int density = static_cast<int>(image.devicePixelRatio());
  painter.drawImage(QRect(origin + source.topLeft() * scale, source.size() * scale), image,
                    QRect(source.topLeft() * density, source.size() * density));
}
