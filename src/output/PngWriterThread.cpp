#include "PngWriterThread.h"

#include <algorithm>

#include "ImageExport.h"

namespace {
constexpr std::size_t kMaxWaitingPerThread = 8;
}

PngWriterThread::PngWriterThread(int threads)
    : maxWaiting_(kMaxWaitingPerThread * static_cast<std::size_t>(std::max(threads, 1))) {
  for (int i = 0; i < std::max(threads, 1); ++i)
    threads_.emplace_back([this] { run(); });
}

PngWriterThread::~PngWriterThread() {
  QString ignored;
  finish(&ignored);
}

void PngWriterThread::write(const QString& path, const QImage& image) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return queue_.size() < maxWaiting_ || !error_.isEmpty(); });
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
    changed_.wait(lock, [this] { return (queue_.empty() && busy_ == 0) || !error_.isEmpty(); });
    stopping_ = true;
    queue_.clear();
    changed_.notify_all();
  }
  for (std::thread& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
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
      ++busy_;
      changed_.notify_all();
    }
    QString error;
    const bool written = ExportPng(next.second, next.first, &error);
    const std::lock_guard lock(mutex_);
    --busy_;
    if (!written && error_.isEmpty()) {
      error_ = error;
      queue_.clear();
    }
    changed_.notify_all();
  }
}
