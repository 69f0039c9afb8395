#include "ExportQueue.h"

#include <QScopeGuard>
#include <algorithm>

ExportQueue::ExportQueue(std::function<bool()> renderRunning)
    : renderRunning_(std::move(renderRunning)) {}

void ExportQueue::request(const QString& name, std::function<void()> body) {
  if (stopped_) return;
  if (renderRunning_() || exporting_ > 0) {
    const bool queued = std::any_of(waiting_.begin(), waiting_.end(),
                                    [&](const Waiting& w) { return w.name == name; });
    if (!queued) waiting_.push_back({name, std::move(body)});
    return;
  }
  runNow(body);
  renderFinished();
}

void ExportQueue::runNow(const std::function<void()>& body) {
  ++exporting_;
  const auto done = qScopeGuard([this] { --exporting_; });
  body();
}

void ExportQueue::renderFinished() {
  // One loop runs the queue; an export it runs finishes into this loop, not a nested one.
  if (draining_) return;
  draining_ = true;
  const auto done = qScopeGuard([this] { draining_ = false; });
  while (!waiting_.empty() && exporting_ == 0 && !stopped_ && !renderRunning_()) {
    const Waiting next = std::move(waiting_.front());
    waiting_.erase(waiting_.begin());
    runNow(next.body);
  }
}

void ExportQueue::stop() {
  stopped_ = true;
  waiting_.clear();
}
