#pragma once

#include <QString>
#include <functional>
#include <vector>

// Runs the editor's exports (image files, series, web sets) one at a time, each only while
// no render runs. An export needs a finished render. Chosen from inside a render's event
// pump, its own render would only mark a restart, and waiting there for the render to end
// would never end: the render it interrupted cannot go on until the export returns. So it
// waits here until the outermost render has finished (or the running export is done).
class ExportQueue {
 public:
  // `renderRunning`: a render is under way, or the controls are being filled (which no
  // export may interrupt).
  explicit ExportQueue(std::function<bool()> renderRunning);

  // Runs `body` now, or queues it while a render or another export runs. The same export
  // (by `name`) chosen again while it waits runs once.
  void request(const QString& name, std::function<void()> body);
  // The outermost render has finished: what waits runs, in the order chosen.
  void renderFinished();
  // An export is running (its own renders pump events, so handlers run meanwhile).
  bool exporting() const { return exporting_ > 0; }
  // The window closes: nothing more runs, and what waits is dropped.
  void stop();

 private:
  struct Waiting {
    QString name;
    std::function<void()> body;
  };
  void runNow(const std::function<void()>& body);

  std::function<bool()> renderRunning_;
  std::vector<Waiting> waiting_;
  int exporting_ = 0;
  bool draining_ = false;  // renderFinished is running the queue
  bool stopped_ = false;
};
