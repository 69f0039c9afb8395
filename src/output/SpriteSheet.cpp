#include "SpriteSheet.h"

#include <cstring>

bool SpriteSheets::allocate(QString* error) {
  for (int scale : {1, 2}) {
    if (!(scale == 1 ? layout_.oneX : layout_.twoX)) continue;
    QImage& sheet = sheets_[scale - 1];
    sheet = QImage(layout_.sheetSize() * scale, QImage::Format_ARGB32);
    if (sheet.isNull()) {
      *error = QStringLiteral("Not enough memory for a sprite sheet of %1 x %2 pixels.")
                   .arg(layout_.sheetSize().width() * scale)
                   .arg(layout_.sheetSize().height() * scale);
      return false;
    }
    sheet.fill(Qt::transparent);
  }
  return true;
}

bool SpriteSheets::place(int slot, int stateIndex, int scale, const QImage& image, QString* error) {
  QImage& sheet = sheets_[scale - 1];
  const QPoint at = layout_.cellAt(slot, stateIndex) * scale;
  if (image.width() > layout_.cell.width() * scale ||
      image.height() > layout_.cell.height() * scale) {
    *error = QStringLiteral("A button of the set came out larger than its sprite sheet cell.");
    return false;
  }
  const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < pixels.height(); ++y) {
    std::memcpy(sheet.scanLine(at.y() + y) + 4 * at.x(), pixels.constScanLine(y),
                4 * static_cast<std::size_t>(pixels.width()));
  }
  return true;
}
