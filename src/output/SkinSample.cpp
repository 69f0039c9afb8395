#include "SkinSample.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "CaptionText.h"
#include "Skin.h"
#include "SkinWebPage.h"

namespace {
// The source pixel of each of `length` target pixels along one axis of an image `source`
// long with insets `before` and `after`: the ends as they are, the band between them scaled
// to the rest by taking the nearest pixel (a band of equal pixels gives copies of its first,
// and an unstretched image itself).
std::vector<int> SourceIndices(int source, int before, int after, int length) {
  if (before + after >= source) {  // no band: the middle pixel stretches
    before = (source - 1) / 2;
    after = source - 1 - before;
  }
  const long long band = source - before - after;
  const long long stretched = std::max(length - before - after, 1);
  std::vector<int> indices(static_cast<std::size_t>(std::max(length, 0)));
  for (int i = 0; i < length; ++i) {
    long long from = before + (2LL * (i - before) + 1) * band / (2 * stretched);
    if (i < before) from = i;
    if (i >= length - after) from = i - (length - source);
    indices[static_cast<std::size_t>(i)] = static_cast<int>(std::clamp(from, 0LL, source - 1LL));
  }
  return indices;
}
}  // namespace

QImage StretchSkinImage(const QImage& image, const QMargins& stretch, QSize size) {
  if (image.isNull() || size.isEmpty()) return {};
  const QImage source = image.convertToFormat(QImage::Format_ARGB32);
  QImage out(size, QImage::Format_ARGB32);
  if (out.isNull()) return {};
  const std::vector<int> columns =
      SourceIndices(source.width(), stretch.left(), stretch.right(), size.width());
  const std::vector<int> rows =
      SourceIndices(source.height(), stretch.top(), stretch.bottom(), size.height());
  for (int y = 0; y < size.height(); ++y) {
    const auto* from =
        reinterpret_cast<const QRgb*>(source.constScanLine(rows[static_cast<std::size_t>(y)]));
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < size.width(); ++x)
      to[x] = from[columns[static_cast<std::size_t>(x)]];
  }
  return out;
}

int SkinTextWidth(const SkinStateImage& state, const QString& text) {
  if (text.isEmpty()) return 0;
  const QFontMetricsF metrics(CaptionQFont(state.font, 1));
  return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
}

QImage SkinSample(const Skin& skin, const SkinStateImage& state, const QString& text, int width,
                  int scale) {
  const bool twoX = (scale == 2 && !state.twoX.isNull()) || state.oneX.isNull();
  const QImage& source = twoX ? state.twoX : state.oneX;
  const int k = twoX ? 2 : 1;
  QSize box = SkinBoxSize(skin, state, SkinTextWidth(state, text));
  box.setWidth(std::max(box.width(), width));
  // Painted as it is: a premultiplied copy would round the pixels the text leaves alone.
  QImage sample = StretchSkinImage(source, state.insets.stretch * k, box * k);
  if (sample.isNull()) return {};
  sample.setDevicePixelRatio(k);
  if (text.isEmpty()) return sample;

  // As a browser lays out the stylesheet's box: the line (lineHeight high) centred in the
  // text area both ways, the glyphs' ascent and descent centred in the line.
  const QFont font = CaptionQFont(state.font, 1);
  const QFontMetricsF metrics(font);
  const QMargins area = SkinTextArea(state);
  const QRectF inner = QRectF(QPointF(0, 0), QSizeF(box)) - QMarginsF(area);
  const double lineTop = inner.top() + (inner.height() - state.lineHeight) / 2;
  const double baseline =
      lineTop + (state.lineHeight - (metrics.ascent() + metrics.descent())) / 2 + metrics.ascent();
  const double left = inner.left() + (inner.width() - metrics.horizontalAdvance(text)) / 2;
  QPainter painter(&sample);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  painter.setPen(QColor(state.textColour));
  painter.drawText(QPointF(left, baseline), text);
  return sample;
}
