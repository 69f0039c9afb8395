#pragma once

#include <QImage>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

// Encodes and writes PNG files on a second thread, in the order they are queued, so that a
// set renders its next button while the last ones are compressed and written. Each file is
// written atomically. The first failure stops the writing of everything queued after it.
class PngWriterThread {
 public:
  PngWriterThread();
  ~PngWriterThread();
  PngWriterThread(const PngWriterThread&) = delete;
  PngWriterThread& operator=(const PngWriterThread&) = delete;

  // Queues a file; waits while a few are already waiting, so memory stays bounded.
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
  bool busy_ = false;  // a file is being written
  bool stopping_ = false;
  QString error_;
  std::thread thread_;
};
