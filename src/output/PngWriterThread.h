#pragma once

#include <QImage>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

// Encodes and writes PNG files on threads of their own, so that a set renders its next
// button while the last ones are compressed and written. Each file is written atomically.
// The files are begun in the order they are queued, each by the first thread free, so with
// more than one thread they may be finished out of order. The first failure stops the
// writing of every file not yet begun.
class PngWriterThread {
 public:
  explicit PngWriterThread(int threads = 1);
  ~PngWriterThread();
  PngWriterThread(const PngWriterThread&) = delete;
  PngWriterThread& operator=(const PngWriterThread&) = delete;

  // Queues a file; waits while a few are already waiting for each thread, so memory stays
  // bounded.
  void write(const QString& path, const QImage& image);
  // Whether a write has failed (the caller stops queueing then).
  bool failed();
  // Waits until everything queued is written; false with the first failure's message.
  bool finish(QString* error);

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::pair<QString, QImage>> queue_;
  std::size_t maxWaiting_;
  int busy_ = 0;  // files being written
  bool stopping_ = false;
  QString error_;
  std::vector<std::thread> threads_;
};
