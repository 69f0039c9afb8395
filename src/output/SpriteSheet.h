#pragma once

#include <QImage>
#include <QString>
#include <memory>

#include "SetWebPage.h"

class SheetStream;

// The sprite sheets of a set, one per scale the layout has, each image copied into its cell
// exactly as it was written to its own file. A sheet is never whole in memory: each
// caption's row of cells (with the gutter below it) is compressed on a thread of its own as
// soon as the next caption's images begin, while the later captions still render.
class SpriteSheets {
 public:
  explicit SpriteSheets(const SetSheetLayout& layout);
  ~SpriteSheets();
  SpriteSheets(const SpriteSheets&) = delete;
  SpriteSheets& operator=(const SpriteSheets&) = delete;

  // Starts the sheets; false when their rows cannot be held in memory.
  bool allocate(QString* error);
  // Copies an image (at scale 1 or 2) into its cell; false when it does not fit the cell or
  // belongs to a caption before the last one placed (captions come in order).
  bool place(int index, int stateIndex, int scale, const QImage& image, QString* error);
  // Compresses what is left and writes each sheet (SetSheetFileName) into the folder,
  // atomically; false with a message naming the file.
  bool write(const QString& folder, QString* error);

  const SetSheetLayout& layout() const { return layout_; }

 private:
  // Hands the rows of the captions before `index` to the compression.
  void advanceTo(int index);

  SetSheetLayout layout_;
  int current_ = 0;  // the caption whose row the bands hold
  QImage bands_[2];  // that caption's row of each sheet, with the gutter below it
  std::unique_ptr<SheetStream> streams_[2];
};
