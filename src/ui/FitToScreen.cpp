#include "FitToScreen.h"

#include <QDialog>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

void FitScrollAreaToScreen(QDialog* dialog, QScrollArea* area, QSize whole) {
  const QScreen* display = dialog->screen();
  if (!display) return;
  const QRect room = display->availableGeometry();
  // Everything but the area: the dialog's frame (a guess before it is first shown), its
  // layout's margins and the group box around the area, and the rows above and below.
  const QSize frame =
      dialog->isVisible() ? dialog->frameGeometry().size() - dialog->size() : QSize(16, 40);
  const QSize around = area->parentWidget()->size() - area->size();
  const QMargins margins = dialog->layout()->contentsMargins();
  const int otherHeight = dialog->layout()->minimumSize().height() - area->minimumHeight();
  const int roomWidth = room.width() - frame.width() - margins.left() - margins.right() -
                        std::max(around.width(), 24);
  const int roomHeight = room.height() - frame.height() - otherHeight;
  QSize shown(std::min(whole.width(), roomWidth), std::min(whole.height(), roomHeight));
  // A scroll bar takes room of its own.
  const int bar = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  if (whole.width() > shown.width()) shown.rheight() += bar;
  if (whole.height() > shown.height()) shown.rwidth() += bar;
  area->setMinimumSize(shown.boundedTo(QSize(roomWidth, roomHeight)));
  // At its new size before it is shown, so that it is placed on the screen as it will be:
  // the group box around the area passes the new size on only from the event loop.
  area->parentWidget()->updateGeometry();
  dialog->layout()->activate();
  if (!dialog->isVisible()) dialog->adjustSize();
}
