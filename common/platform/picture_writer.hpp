#pragma once
// Writes the screen pictures of a run into their files on a thread of its
// own, so that the run goes on computing while the files are created and
// written.  The Session hands over each picture as finished text and waits
// for the writer wherever a picture must be on disk: before it reads an
// answer that someone may be giving while looking at the pictures, and at the
// end of every run.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace platform {

class PictureWriter {
 public:
  PictureWriter() = default;
  PictureWriter(const PictureWriter&) = delete;
  PictureWriter& operator=(const PictureWriter&) = delete;
  // Writes what is handed over, then ends the thread.
  ~PictureWriter();

  // Removes the pictures ("*.svg") of an earlier run from the folder, before
  // any picture handed over later is written.
  void ClearFolder(const std::filesystem::path& folder);
  // Writes `head` followed by `body` into `file` (created anew; its folder is
  // made when it is missing).  After a picture could not be written no
  // further one is.
  void Write(const std::filesystem::path& file, std::string head, std::string body);
  // Two empty strings to render the next picture into: the storage of a
  // picture already written, so that picture after picture uses the same
  // memory.
  void TakeBuffers(std::string& head, std::string& body);
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
    std::string head, body;
    bool clear = false;  // ClearFolder: path is the folder
  };
  void Push(Job job);
  void Work();
  static bool WriteFile(const std::filesystem::path& file, const std::string& head, const std::string& body);
  static void RemovePictures(const std::filesystem::path& folder);

  static constexpr std::size_t kMostWaiting = 4;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  std::vector<std::pair<std::string, std::string>> spare_;  // storage of pictures written
  bool busy_ = false;  // the thread is working on a job taken from jobs_
  int waiting_ = 0;  // callers waiting for the writer to finish a job
  bool stop_ = false;
  bool alone_ = false;  // no thread could be started: Push writes at once
  bool failed_ = false;
  std::size_t written_ = 0;
  std::thread thread_;
};

}  // namespace platform
