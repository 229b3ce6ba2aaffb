#include "common/platform/picture_writer.hpp"

#include <fcntl.h>
#include <pthread.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
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
  RemoveEarlier();
}

void PictureWriter::ClearFolder(const std::filesystem::path& folder) {
  Job job;
  job.path = folder;
  job.kind = Job::kClear;
  Push(std::move(job));
}

void PictureWriter::DropEarlier() {
  Job job;
  job.kind = Job::kDrop;
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
        if (job.kind == Job::kClear) {
          SetEarlierAside(job.path);
        } else if (job.kind == Job::kDrop) {
          RemoveEarlier();
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
    if (job.kind == Job::kPicture && !skip) {
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
  // The file of an earlier picture becomes this one: written over from its
  // start and cut to this picture's length (a file cut to nothing first would
  // be written out to the disk at once when closed).  When the name cannot be
  // taken, the file is made anew.
  bool reused = false;
  if (!earlier_.empty()) {
    std::error_code ec;
    std::filesystem::rename(earlier_.back(), file, ec);
    if (ec) {
      std::filesystem::remove(earlier_.back(), ec);
    } else {
      reused = true;
    }
    earlier_.pop_back();
  }
  const int kFlags = O_WRONLY | O_CREAT | O_CLOEXEC | (reused ? 0 : O_TRUNC);
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
  if (whole && reused && ::ftruncate(fd, static_cast<off_t>(head.size() + body.size())) != 0) whole = false;
  if (::close(fd) != 0) whole = false;
  return whole;
}

void PictureWriter::SetEarlierAside(const std::filesystem::path& folder) {
  static constexpr std::string_view kAside = ".earlier-";
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return;
  std::vector<std::filesystem::path> pictures;
  std::vector<std::string> names;  // every name in the folder
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    names.push_back(name);
    if (name.starts_with(kAside)) {
      earlier_.push_back(entry.path());  // set aside by a run that did not end
    } else if (entry.path().extension() == ".svg") {
      pictures.push_back(entry.path());
    }
  }
  std::sort(names.begin(), names.end());
  long n = 0;
  for (const auto& p : pictures) {
    std::string aside;
    do {
      aside = std::string(kAside) + std::to_string(++n);
    } while (std::binary_search(names.begin(), names.end(), aside));
    std::filesystem::rename(p, folder / aside, ec);
    if (ec) {
      std::filesystem::remove(p, ec);
    } else {
      earlier_.push_back(folder / aside);
    }
  }
}

void PictureWriter::RemoveEarlier() noexcept {
  for (const auto& p : earlier_) {
    std::error_code ec;
    std::filesystem::remove(p, ec);
  }
  earlier_.clear();
}

}  // namespace platform
