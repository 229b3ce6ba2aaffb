// The section threads of a run.
#include "section_threads.hpp"

#include <algorithm>
#include <system_error>
#include <utility>

namespace cross {

std::thread StartSectionThread(std::function<void()> work) { return std::thread(std::move(work)); }

SectionThreads::SectionThreads(int threads, const SectionThreadStarter& start) {
  const int helpers = std::max(1, threads) - 1;
  helpers_.reserve(static_cast<std::size_t>(helpers));
  for (int t = 0; t < helpers; ++t) {
    try {
      helpers_.push_back(start([this] { Help(); }));
    } catch (const std::system_error&) {
      break;
    }
  }
}

SectionThreads::~SectionThreads() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    ending_ = true;
  }
  wake_.notify_all();
  for (std::thread& t : helpers_) t.join();
}

void SectionThreads::Run(int n, const std::function<void(int)>& job) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    job_ = &job;
    count_ = n;
    next_ = 1;
    failure_ = nullptr;
    helpersDone_ = 0;
    ++round_;
  }
  wake_.notify_all();
  TakeJobs();
  std::exception_ptr failure;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    finished_.wait(lock, [&] { return helpersDone_ == static_cast<int>(helpers_.size()); });
    job_ = nullptr;
    failure = failure_;
  }
  if (failure) std::rethrow_exception(failure);
}

void SectionThreads::TakeJobs() {
  for (;;) {
    int i = 0;
    const std::function<void(int)>* job = nullptr;
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (failure_ || next_ > count_) return;
      i = next_++;
      job = job_;
    }
    try {
      (*job)(i);
    } catch (...) {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (!failure_) failure_ = std::current_exception();
    }
  }
}

void SectionThreads::Help() {
  long seen = 0;
  for (;;) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [&] { return ending_ || round_ != seen; });
      if (ending_) return;
      seen = round_;
    }
    TakeJobs();
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      ++helpersDone_;
    }
    finished_.notify_one();
  }
}

}  // namespace cross
