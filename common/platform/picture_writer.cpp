#include "common/platform/picture_writer.hpp"

#include <pthread.h>

#include <system_error>
#include <utility>

namespace platform {

PictureWriter::~PictureWriter() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void PictureWriter::OpenFolder(const std::filesystem::path& folder) {
  Job job;
  job.path = folder;
  job.kind = Job::kOpen;
  Push(std::move(job));
}

void PictureWriter::Write(const std::string& name, FormPicture picture) {
  Job job;
  job.path = name;
  job.picture = std::move(picture);
  Push(std::move(job));
}

void PictureWriter::Push(Job job) {
  bool here = false;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    // A few pictures at most wait for the writer: when it falls behind (a
    // machine busy with other work) the run waits rather than holding the
    // text of every picture in memory.
    if (jobs_.size() >= kMostWaiting) {
      ++waiting_;
      changed_.wait(lock, [this] { return jobs_.size() < kMostWaiting; });
      --waiting_;
    }
    jobs_.push_back(std::move(job));
    if (!thread_.joinable() && !alone_) {
      try {
        thread_ = std::thread([this] {
#if defined(__linux__) && defined(__GLIBC__)
          pthread_setname_np(pthread_self(), "pictures");  // as tools that list threads show it
#endif
          Work();
        });
      } catch (const std::system_error&) {
        alone_ = true;  // no thread to be had: the pictures are written here
      }
    }
    here = alone_;
  }
  if (here) {
    Work();
  } else {
    changed_.notify_all();
  }
}

void PictureWriter::Wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  ++waiting_;
  changed_.wait(lock, [this] { return jobs_.empty() && !busy_; });
  --waiting_;
}

std::size_t PictureWriter::Written() {
  std::lock_guard<std::mutex> lock(mutex_);
  return written_;
}

bool PictureWriter::Failed() {
  std::lock_guard<std::mutex> lock(mutex_);
  return failed_;
}

void PictureWriter::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    // Written here alone: until nothing is left.
    if (alone_ && jobs_.empty()) return;
    changed_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
    if (jobs_.empty()) return;  // stopped with nothing left to write
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    const bool skip = failed_;
    busy_ = true;
    lock.unlock();
    bool done = true;
    if (!skip) {
      try {
        if (job.kind == Job::kOpen) {
          done = folder_.Open(job.path, true);
          if (done) folder_.RemoveEarlierPictures();
        } else {
          head_.clear();
          body_.clear();
          job.picture.RenderSvg(head_, body_);
          done = folder_.Write(job.path.string(), head_, body_);
        }
      } catch (...) {
        done = false;
      }
    }
    lock.lock();
    busy_ = false;
    if (!skip) {
      if (!done) {
        failed_ = true;
      } else if (job.kind == Job::kPicture) {
        ++written_;
      }
    }
    job.picture = FormPicture();  // its storage given back before the next job
    if (waiting_ > 0) changed_.notify_all();
  }
}

}  // namespace platform
