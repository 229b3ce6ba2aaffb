#pragma once
// Test support shared by every room: fresh working directories under the
// system's temporary directory, and whole-file reads and writes.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace testsupport {

// A new, empty directory whose name starts with `stem`.
inline std::filesystem::path FreshDirectory(const std::string& stem) {
  std::random_device rd;
  const auto dir =
      std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(rd()) + "-" + std::to_string(rd()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// Removes a test directory, unless SUITE_KEEP_TEST_DIRS is set (to look at
// the files a test wrote).
inline void RemoveDirectory(const std::filesystem::path& dir) {
  if (std::getenv("SUITE_KEEP_TEST_DIRS") != nullptr) return;
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

// A fresh directory for the lifetime of the object.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& stem) : path_(FreshDirectory(stem)) {}
  ~ScratchDirectory() { RemoveDirectory(path_); }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteFile(const std::filesystem::path& p, const std::string& text) {
  if (!p.parent_path().empty()) std::filesystem::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out << text;
}

// Number of non-overlapping occurrences of `what` in `text`.
inline int CountOf(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size())) ++n;
  return n;
}

}  // namespace testsupport
