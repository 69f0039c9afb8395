#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A second thread for the rows of large renders. Its thread starts with the first job and
// then waits for the next one, so that renders in a row pay for one start only; it ends
// with the worker. One job at a time, started and waited for by one thread.
class RowWorker {
 public:
  RowWorker() = default;
  RowWorker(const RowWorker&) = delete;
  RowWorker& operator=(const RowWorker&) = delete;
  ~RowWorker();

  // Runs job on the worker's thread and returns at once; false when no thread could be
  // started (the job does not run). The job must not throw.
  bool start(std::function<void()> job);
  // Returns once the job has returned; at once when none runs.
  void wait();

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::function<void()> job_;
  bool pending_ = false;  // job_ waits to be run
  bool busy_ = false;     // a job was started and has not returned yet
  bool quit_ = false;
  std::thread thread_;
};
