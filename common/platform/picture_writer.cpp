#include "common/platform/picture_writer.hpp"

#include <fcntl.h>
#include <pthread.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
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

void PictureWriter::ClearFolder(const std::filesystem::path& folder) {
  Job job;
  job.path = folder;
  job.clear = true;
  Push(std::move(job));
}

void PictureWriter::Write(const std::filesystem::path& file, FormPicture picture) {
  Job job;
  job.path = file;
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

bool PictureWriter::Unshared(const std::shared_ptr<FormItems>& items) {
  // A job lets go of its items under the lock: the count read here is final.
  std::lock_guard<std::mutex> lock(mutex_);
  return items.use_count() == 1;
}

void PictureWriter::AwaitUnshared(const std::shared_ptr<FormItems>& items) {
  std::unique_lock<std::mutex> lock(mutex_);
  ++waiting_;
  changed_.wait(lock, [&] { return items.use_count() == 1; });
  --waiting_;
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
        if (job.clear) {
          RemovePictures(job.path);
        } else {
          head_.clear();
          body_.clear();
          job.picture.RenderSvg(head_, body_);
          done = WriteFile(job.path, head_, body_);
        }
      } catch (...) {
        done = false;
      }
    }
    lock.lock();
    busy_ = false;
    if (!job.clear && !skip) {
      if (done) {
        ++written_;
      } else {
        failed_ = true;
      }
    }
    job.picture = FormPicture();  // the form's items go back under the lock
    if (waiting_ > 0) changed_.notify_all();
  }
}

bool PictureWriter::WriteFile(const std::filesystem::path& file, const std::string& head, const std::string& body) {
  constexpr int kFlags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
  int fd = ::open(file.c_str(), kFlags, 0666);
  if (fd < 0 && errno == ENOENT) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    fd = ::open(file.c_str(), kFlags, 0666);
  }
  if (fd < 0) return false;
  iovec parts[2] = {{const_cast<char*>(head.data()), head.size()}, {const_cast<char*>(body.data()), body.size()}};
  iovec* part = parts;
  int count = 2;
  bool whole = true;
  while (count > 0) {
    if (part->iov_len == 0) {
      ++part;
      --count;
      continue;
    }
    const ssize_t n = ::writev(fd, part, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      whole = false;
      break;
    }
    // Past what was written: whole parts, then into the next one.
    auto left = static_cast<std::size_t>(n);
    while (count > 0 && left >= part->iov_len) {
      left -= part->iov_len;
      ++part;
      --count;
    }
    if (count > 0) {
      part->iov_base = static_cast<char*>(part->iov_base) + left;
      part->iov_len -= left;
    }
  }
  if (::close(fd) != 0) whole = false;
  return whole;
}

void PictureWriter::RemovePictures(const std::filesystem::path& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return;
  std::vector<std::filesystem::path> old;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.path().extension() == ".svg") old.push_back(entry.path());
  }
  for (const auto& p : old) std::filesystem::remove(p, ec);
}

}  // namespace platform
