#include "RowWorker.h"

#include <system_error>
#include <utility>

RowWorker::~RowWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

bool RowWorker::start(std::function<void()> job) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    job_ = std::move(job);
    pending_ = true;
    busy_ = true;
  }
  if (thread_.joinable()) {
    changed_.notify_all();
    return true;
  }
  try {
    thread_ = std::thread([this] { run(); });
  } catch (const std::system_error&) {
    std::lock_guard<std::mutex> lock(mutex_);
    job_ = nullptr;
    pending_ = false;
    busy_ = false;
    return false;
  }
  return true;
}

void RowWorker::wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !busy_; });
}

void RowWorker::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return pending_ || quit_; });
    if (!pending_) return;
    std::function<void()> job = std::move(job_);
    pending_ = false;
    lock.unlock();
    job();
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}
