#pragma once
// The section threads of a run: started once, they cut the stations of every
// heel angle together with the calling thread.

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "cutting_threads.hpp"

namespace cross {

// Starts one section thread running `work`, or throws std::system_error when
// the system cannot start it, as a std::thread does.
using SectionThreadStarter = std::function<std::thread(std::function<void()> work)>;

// The program's starter: a std::thread.
std::thread StartSectionThread(std::function<void()> work);

// Up to `threads` - 1 helper threads, started through `start` when made and
// kept until the object ends; a thread the system cannot start ends the
// starts, and the threads that did start (down to none) share the work with
// the calling thread.
class SectionThreads {
 public:
  explicit SectionThreads(int threads = CuttingThreads(), const SectionThreadStarter& start = StartSectionThread);
  ~SectionThreads();
  SectionThreads(const SectionThreads&) = delete;
  SectionThreads& operator=(const SectionThreads&) = delete;

  // Runs job(i) for i = 1..n, each i on the one thread that took it, the
  // calling thread among them; returns when every job has ended.  After a
  // job has failed no further job is begun, and the first failure is thrown
  // here.
  void Run(int n, const std::function<void(int)>& job);

  // The helper threads started.
  int Helpers() const { return static_cast<int>(helpers_.size()); }

 private:
  void TakeJobs();
  void Help();

  std::mutex mutex_;
  std::condition_variable wake_, finished_;
  // Each Run is one round; every helper takes part in every round, so no
  // helper is still at one round's jobs when the next round is set.
  long round_ = 0;
  int helpersDone_ = 0;
  bool ending_ = false;
  const std::function<void(int)>* job_ = nullptr;
  int count_ = 0;
  int next_ = 1;
  std::exception_ptr failure_;
  std::vector<std::thread> helpers_;
};

}  // namespace cross
