#include "PngWriterThread.h"

#include "ImageExport.h"

namespace {
constexpr std::size_t kMaxWaiting = 8;
}

PngWriterThread::PngWriterThread() : thread_([this] { run(); }) {}

PngWriterThread::~PngWriterThread() {
  QString ignored;
  finish(&ignored);
}

void PngWriterThread::write(const QString& path, const QImage& image) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return queue_.size() < kMaxWaiting || !error_.isEmpty(); });
  if (!error_.isEmpty()) return;
  queue_.emplace_back(path, image);
  changed_.notify_all();
}

bool PngWriterThread::failed() {
  const std::lock_guard lock(mutex_);
  return !error_.isEmpty();
}

bool PngWriterThread::finish(QString* error) {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return (queue_.empty() && !busy_) || !error_.isEmpty(); });
    stopping_ = true;
    queue_.clear();
    changed_.notify_all();
  }
  if (thread_.joinable()) thread_.join();
  const std::lock_guard lock(mutex_);
  *error = error_;
  return error_.isEmpty();
}

void PngWriterThread::run() {
  for (;;) {
    std::pair<QString, QImage> next;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return !queue_.empty() || stopping_; });
      if (queue_.empty()) return;  // stopping, with nothing left
      next = std::move(queue_.front());
      queue_.pop_front();
      busy_ = true;
      changed_.notify_all();
    }
    QString error;
    const bool written = ExportPng(next.second, next.first, &error);
    const std::lock_guard lock(mutex_);
    busy_ = false;
    if (!written && error_.isEmpty()) {
      error_ = error;
      queue_.clear();
    }
    changed_.notify_all();
  }
}
