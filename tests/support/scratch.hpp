#pragma once
// Test support shared by every room: fresh working directories under the
// system's temporary directory, and whole-file reads and writes.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>

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

// A fresh directory for the lifetime of the object: removed when the object
// goes, also when an assertion ends the test early.  It stands for its path
// ("dir / name", a path argument).
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& stem) : path_(FreshDirectory(stem)) {}
  ~ScratchDirectory() {
    if (!path_.empty()) RemoveDirectory(path_);
  }
  ScratchDirectory(ScratchDirectory&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(ScratchDirectory&&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  operator const std::filesystem::path&() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
  std::string string() const { return path_.string(); }

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
