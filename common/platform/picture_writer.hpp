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
#include "common/platform/picture_folder.hpp"

namespace platform {

class PictureWriter {
 public:
  PictureWriter() = default;
  PictureWriter(const PictureWriter&) = delete;
  PictureWriter& operator=(const PictureWriter&) = delete;
  // Writes what is handed over, then ends the thread.
  ~PictureWriter();

  // Opens the pictures folder (made when missing, never through a symbolic
  // link) and removes the pictures of an earlier run from it, before any
  // picture handed over later is written.  A folder that cannot be opened
  // fails the pictures.
  void OpenFolder(const std::filesystem::path& folder);
  // Draws the picture and writes it into the file `name` of the folder
  // (made anew).  After a picture could not be written no further one is.
  void Write(const std::string& name, FormPicture picture);
  // Waits until everything handed over is done.
  void Wait();
  // How many of the pictures handed over are on disk, counted from the first
  // one, and whether a picture could not be written (then that one and every
  // one after it are not).  Complete only after Wait.
  std::size_t Written();
  bool Failed();

 private:
  struct Job {
    std::filesystem::path path;  // kPicture: the file's name; kOpen: the folder
    FormPicture picture;
    enum Kind { kPicture, kOpen } kind = kPicture;
  };
  void Push(Job job);
  void Work();

  static constexpr std::size_t kMostWaiting = 4;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  std::string head_, body_;  // the writer's working storage, kept from picture to picture
  PictureFolder folder_;
  bool busy_ = false;  // the thread is working on a job taken from jobs_
  int waiting_ = 0;  // callers waiting for the writer to finish a job
  bool stop_ = false;
  bool alone_ = false;  // no thread could be started: Push writes at once
  bool failed_ = false;
  std::size_t written_ = 0;
  std::thread thread_;
};

}  // namespace platform
