#include "common/platform/picture_writer.hpp"

#include <fcntl.h>
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

void PictureWriter::Write(const std::filesystem::path& file, std::string text) {
  Job job;
  job.path = file;
  job.text = std::move(text);
  Push(std::move(job));
}

void PictureWriter::Push(Job job) {
  bool here = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back(std::move(job));
    if (!thread_.joinable() && !alone_) {
      try {
        thread_ = std::thread([this] { Work(); });
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

std::string PictureWriter::TakeBuffer() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (spare_.empty()) return std::string();
  std::string text = std::move(spare_.back());
  spare_.pop_back();
  text.clear();
  return text;
}

void PictureWriter::Wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return jobs_.empty() && !busy_; });
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
          done = WriteFile(job.path, job.text);
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
    if (!job.clear) spare_.push_back(std::move(job.text));
    if (jobs_.empty()) changed_.notify_all();
  }
}

bool PictureWriter::WriteFile(const std::filesystem::path& file, const std::string& text) {
  constexpr int kFlags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
  int fd = ::open(file.c_str(), kFlags, 0666);
  if (fd < 0 && errno == ENOENT) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    fd = ::open(file.c_str(), kFlags, 0666);
  }
  if (fd < 0) return false;
  const char* data = text.data();
  std::size_t left = text.size();
  bool whole = true;
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      whole = false;
      break;
    }
    data += n;
    left -= static_cast<std::size_t>(n);
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
