#include "FormLook.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "CaptionFont.h"

QFont WindowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arial"), QStringLiteral("Helvetica")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

QFont PixelFont(const QString& family, int pixels, bool bold, bool underline) {
  QFont font;
  font.setFamilies({family, QStringLiteral("Liberation Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

int FormStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
  switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
      return 13;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
      return 4;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

QImage ArrowPicture(ArrowDirection direction) {
  const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
  QImage image(vertical ? QSize(8, 8) : QSize(16, 10), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  QPolygon shape;
  switch (direction) {
    case ArrowDirection::Up:
      shape << QPoint(4, 1) << QPoint(8, 6) << QPoint(0, 6);
      break;
    case ArrowDirection::Down:
      shape << QPoint(0, 2) << QPoint(8, 2) << QPoint(4, 7);
      break;
    case ArrowDirection::Left:
      shape << QPoint(1, 5) << QPoint(6, 0) << QPoint(6, 3) << QPoint(15, 3) << QPoint(15, 7)
            << QPoint(6, 7) << QPoint(6, 10);
      break;
    case ArrowDirection::Right:
      shape << QPoint(15, 5) << QPoint(10, 0) << QPoint(10, 3) << QPoint(1, 3) << QPoint(1, 7)
            << QPoint(10, 7) << QPoint(10, 10);
      break;
  }
  painter.drawPolygon(shape);
  return image;
}

QFont CaptionDialogFont(const CaptionFont& font) {
  QFont q(font.name);
  // A damaged file can carry a size no dialog can show.
  q.setPointSize(std::clamp(font.size, 1, 1638));
  q.setWeight(font.bold ? QFont::Bold : QFont::Normal);
  q.setItalic(font.italic);
  q.setUnderline(font.underline);
  q.setStrikeOut(font.strikeout);
  return q;
}

void TakeDialogFont(const QFont& chosen, CaptionFont& font) {
  font.name = chosen.family();
  if (chosen.pointSizeF() > 0) {
    font.size = qRound(chosen.pointSizeF());
  } else if (chosen.pixelSize() > 0) {
    font.size = qRound(chosen.pixelSize() * 72.0 / 96.0);
  }
  font.bold = chosen.weight() >= QFont::Bold;
  font.italic = chosen.italic();
  font.underline = chosen.underline();
  font.strikeout = chosen.strikeOut();
}
