#include "SpriteSheet.h"

#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

#include "AtomicFile.h"
#include "ExportSeries.h"
#include "PngStream.h"

// One sheet's PNG file, compressed band by band on a thread of its own.
class SheetStream {
 public:
  explicit SheetStream(QSize size)
      : png_(size.width(), size.height(), true), thread_([this] { run(); }) {}
  ~SheetStream() {
    {
      const std::lock_guard lock(mutex_);
      ended_ = true;
      bands_.clear();
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
  }

  // Queues the next band; waits while two are waiting, so memory stays bounded.
  void add(const QImage& band) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return bands_.size() < 2; });
    bands_.push_back(band);
    changed_.notify_all();
  }

  // The file's bytes once the queued bands are compressed; empty with *error on failure.
  QByteArray finish(QString* error) {
    {
      const std::lock_guard lock(mutex_);
      ended_ = true;
    }
    changed_.notify_all();
    thread_.join();
    return png_.finish(error);
  }

 private:
  void run() {
    for (;;) {
      QImage band;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !bands_.empty() || ended_; });
        if (bands_.empty()) return;
        band = bands_.front();
        bands_.pop_front();
      }
      changed_.notify_all();
      png_.addRows(band);
    }
  }

  PngStream png_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<QImage> bands_;
  bool ended_ = false;
  std::thread thread_;  // last: it starts once everything it uses is made
};

namespace {
bool HasScale(const SetSheetLayout& layout, int scale) {
  return scale == 1 ? layout.oneX : layout.twoX;
}
}  // namespace

SpriteSheets::SpriteSheets(const SetSheetLayout& layout) : layout_(layout) {}

SpriteSheets::~SpriteSheets() = default;

bool SpriteSheets::allocate(QString* error) {
  for (int scale : {1, 2}) {
    if (!HasScale(layout_, scale)) continue;
    const QSize size = layout_.sheetSize() * scale;
    QImage& band = bands_[scale - 1];
    band =
        QImage(size.width(), (layout_.cell.height() + kSheetGutter) * scale, QImage::Format_ARGB32);
    if (band.isNull() || size.isEmpty()) {
      *error = QStringLiteral("Not enough memory for a sprite sheet of %1 x %2 pixels.")
                   .arg(size.width())
                   .arg(size.height());
      return false;
    }
    band.fill(Qt::transparent);
    streams_[scale - 1] = std::make_unique<SheetStream>(size);
  }
  current_ = 0;
  return true;
}

void SpriteSheets::advanceTo(int index) {
  for (; current_ < index && current_ < layout_.captionCount(); ++current_) {
    for (int scale : {1, 2}) {
      if (!streams_[scale - 1]) continue;
      QImage& band = bands_[scale - 1];
      // The last row of cells has no gutter below it.
      const bool last = current_ == layout_.captionCount() - 1;
      streams_[scale - 1]->add(last ? band.copy(0, 0, band.width(), layout_.cell.height() * scale)
                                    : band.copy());
      band.fill(Qt::transparent);
    }
  }
}

bool SpriteSheets::place(int index, int stateIndex, int scale, const QImage& image,
                         QString* error) {
  if (index < current_ || index >= layout_.captionCount() || !streams_[scale - 1]) {
    *error = QStringLiteral("The sprite sheets have no cell for caption %1 at %2x.")
                 .arg(index + 1)
                 .arg(scale);
    return false;
  }
  advanceTo(index);
  QImage& band = bands_[scale - 1];
  const QPoint at = QPoint(layout_.cellAt(0, stateIndex).x(), 0) * scale;
  if (image.width() > layout_.cell.width() * scale ||
      image.height() > layout_.cell.height() * scale) {
    *error = QStringLiteral("A button of the set came out larger than its sprite sheet cell.");
    return false;
  }
  const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < pixels.height(); ++y) {
    std::memcpy(band.scanLine(at.y() + y) + 4 * at.x(), pixels.constScanLine(y),
                4 * static_cast<std::size_t>(pixels.width()));
  }
  return true;
}

bool SpriteSheets::write(const QString& folder, QString* error) {
  advanceTo(layout_.captionCount());  // the last caption's row too
  for (int scale : {2, 1}) {
    if (!streams_[scale - 1]) continue;
    const QString path = PathInFolder(folder, SetSheetFileName(layout_.prefix, scale));
    QString reason;
    const QByteArray png = streams_[scale - 1]->finish(&reason);
    streams_[scale - 1].reset();
    if (png.isEmpty()) {
      *error = QStringLiteral("Cannot encode %1: %2").arg(path, reason);
      return false;
    }
    if (!WriteFileAtomically(path, png, error)) return false;
  }
  return true;
}
