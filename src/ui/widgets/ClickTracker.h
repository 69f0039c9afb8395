#pragma once

#include <QMouseEvent>
#include <QRect>

// The mouse model the handlers were written for, on top of Qt's events. Qt delivers
// press, release, double-click (in place of the second press), release; the handlers
// expect mouse-down, then on release a click (left button, released over the control)
// *before* mouse-up, and for a double click: down, click, up, double-click with a second
// down, up (no click on the second release). The owner turns the results into signals.
class ClickTracker {
 public:
  struct Release {
    bool click = false;  // emit clicked() first, then mouse-up
  };

  void press(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton) leftPressed_ = true;
  }
  // True when the double click is a left one (a double-click signal is due).
  bool doubleClick(const QMouseEvent& event) {
    // The second press of a double click never becomes a click.
    if (event.button() == Qt::LeftButton) leftPressed_ = false;
    return event.button() == Qt::LeftButton;
  }
  Release release(const QMouseEvent& event, const QRect& area) {
    Release r;
    if (event.button() == Qt::LeftButton) {
      r.click = leftPressed_ && area.contains(event.position().toPoint());
      leftPressed_ = false;
    }
    return r;
  }

 private:
  bool leftPressed_ = false;
};
