#pragma once
// Draws the screen pictures of a run and writes them into their files on a
// thread of its own, so that the run goes on computing meanwhile.  The
// Session hands over what each form shows at a question (its items lent, the
// rest copied) and waits for the writer wherever a picture must be on disk:
// before it reads an answer that someone may be giving while looking at the
// pictures, and at the end of every run.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "common/platform/form.hpp"

namespace platform {

class PictureWriter {
 public:
  PictureWriter() = default;
  PictureWriter(const PictureWriter&) = delete;
  PictureWriter& operator=(const PictureWriter&) = delete;
  // Writes what is handed over, then ends the thread.
  ~PictureWriter();

  // Takes the pictures ("*.svg") of an earlier run out of the folder, before
  // any picture handed over later is written.  Their files are set aside
  // under hidden names and reused for this run's pictures (a file rewritten
  // in place costs the file system less than one removed and made anew);
  // those left over go with DropEarlier, or when the writer ends.
  void ClearFolder(const std::filesystem::path& folder);
  void DropEarlier();
  // Draws the picture and writes it into `file` (created anew; its folder is
  // made when it is missing).  After a picture could not be written no
  // further one is.
  void Write(const std::filesystem::path& file, FormPicture picture);
  // Whether no picture handed over holds these items any more, and waiting
  // until none does: a form's items lent to its pictures.
  bool Unshared(const std::shared_ptr<FormItems>& items);
  void AwaitUnshared(const std::shared_ptr<FormItems>& items);
  // Waits until everything handed over is done.
  void Wait();
  // How many of the pictures handed over are on disk, counted from the first
  // one, and whether a picture could not be written (then that one and every
  // one after it are not).  Complete only after Wait.
  std::size_t Written();
  bool Failed();

 private:
  struct Job {
    std::filesystem::path path;
    FormPicture picture;
    enum Kind { kPicture, kClear, kDrop } kind = kPicture;  // kClear: path is the folder
  };
  void Push(Job job);
  void Work();
  bool WriteFile(const std::filesystem::path& file, const std::string& head, const std::string& body);
  void SetEarlierAside(const std::filesystem::path& folder);
  void RemoveEarlier() noexcept;

  static constexpr std::size_t kMostWaiting = 4;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  std::string head_, body_;
  std::vector<std::filesystem::path> earlier_;  // files of an earlier run's pictures, set aside  // the writer's working storage, kept from picture to picture
  bool busy_ = false;  // the thread is working on a job taken from jobs_
  int waiting_ = 0;  // callers waiting for the writer to finish a job
  bool stop_ = false;
  bool alone_ = false;  // no thread could be started: Push writes at once
  bool failed_ = false;
  std::size_t written_ = 0;
  std::thread thread_;
};

}  // namespace platform
