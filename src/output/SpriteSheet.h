#pragma once

#include <QImage>
#include <QString>

#include "SetWebPage.h"

// The sprite sheets of a set, one per scale the layout has, each image copied into its cell
// exactly as it was written to its own file.
class SpriteSheets {
 public:
  explicit SpriteSheets(const SetSheetLayout& layout) : layout_(layout) {}

  // Makes the sheets, transparent throughout; false when they cannot be held in memory.
  bool allocate(QString* error);
  // Copies an image (at scale 1 or 2) into its cell; false when it does not fit the cell.
  bool place(int slot, int stateIndex, int scale, const QImage& image, QString* error);

  // The sheet at scale 1 or 2: null when the layout has none at that scale.
  const QImage& sheet(int scale) const { return sheets_[scale - 1]; }
  const SetSheetLayout& layout() const { return layout_; }

 private:
  SetSheetLayout layout_;
  QImage sheets_[2];
};
