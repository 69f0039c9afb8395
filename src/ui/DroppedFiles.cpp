// Files dropped on the window: a design of either kind opens, a JPEG or BMP becomes the
// texture.
#include <QAbstractScrollArea>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include "MainWindow.h"
#include "TextureImage.h"

namespace {
// The one local file a drag carries when it is a design or a texture, else empty.
QString droppableFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return QString();
  const QString path = data->urls().front().toLocalFile();
  if (path.isEmpty()) return QString();
  const QString ending = QFileInfo(path).suffix();
  const bool design = ending.compare(QLatin1String("kq"), Qt::CaseInsensitive) == 0 ||
                      ending.compare(QLatin1String("tessaro"), Qt::CaseInsensitive) == 0;
  return design || TextureFormatOf(path) != TextureFormat::Unknown ? path : QString();
}
}  // namespace

void TForm1::acceptFileDrops() {
  // The edit boxes and the memo take drops of text themselves; a file dropped on them is
  // the window's. The memo's drops arrive at its viewport.
  for (QWidget* control : findChildren<QWidget*>()) {
    if (!control->acceptDrops()) continue;
    control->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
      area->viewport()->installEventFilter(this);
    }
  }
  setAcceptDrops(true);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppableFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dragMoveEvent(QDragMoveEvent* event) {
  if (!droppableFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const QString path = droppableFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // After the drop has ended: the file manager that started the drag waits for it, and
  // opening may ask questions.
  QTimer::singleShot(0, this, [this, path] { openDroppedFile(path); });
}

bool TForm1::takeFileDrop(QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
      if (droppableFile(static_cast<QDragEnterEvent*>(event)->mimeData()).isEmpty()) return false;
      dragEnterEvent(static_cast<QDragEnterEvent*>(event));
      return true;
    case QEvent::DragMove:
      if (droppableFile(static_cast<QDragMoveEvent*>(event)->mimeData()).isEmpty()) return false;
      dragMoveEvent(static_cast<QDragMoveEvent*>(event));
      return true;
    case QEvent::Drop:
      if (droppableFile(static_cast<QDropEvent*>(event)->mimeData()).isEmpty()) return false;
      dropEvent(static_cast<QDropEvent*>(event));
      return true;
    default:
      return false;
  }
}

void TForm1::openDroppedFile(const QString& path) {
  if (closing_) return;
  if (TextureFormatOf(path) == TextureFormat::Unknown) {
    if (maybeSave()) openDesign(path);
    return;
  }
  const DesignHistory::Action step(history_, tr("Texture"));
  takeTexture(path);
}
