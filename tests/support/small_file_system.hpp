#pragma once
// A full disk for a test: a step run in a child process in which one folder
// is a file system of a few kilobytes (a tmpfs mounted in a mount namespace
// of the child's own, gone with the child); likewise a folder mounted
// read-only.  Where the machine gives no such namespace (no privilege for
// it) the step is not run and the caller skips.

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace testsupport {

// Runs `step` in a child process, in a mount namespace of its own in which
// `mountFolder` has mounted what the test needs; the step's result as the
// child's exit status, or nothing when no such mount can be made here.
inline std::optional<int> RunWithOwnMounts(const std::function<bool()>& mountFolder,
                                           const std::function<int()>& step) {
  constexpr int kNoMount = 77;
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        !mountFolder()) {
      ::_exit(kNoMount);
    }
    ::_exit(step());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  if (WEXITSTATUS(status) == kNoMount) return std::nullopt;
  return WEXITSTATUS(status);
}

// Runs `step` in a child process with `folder` (which must exist) holding a
// file system of `size` (a tmpfs size such as "8k"), and returns the step's
// result as the child's exit status; nothing when no small file system can
// be mounted here (the caller skips).  The step keeps what the test looks at
// afterwards outside that folder: the small file system goes with the child.
inline std::optional<int> RunWithSmallFileSystem(const std::filesystem::path& folder, const std::string& size,
                                                 const std::function<int()>& step) {
  return RunWithOwnMounts(
      [&] { return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0; }, step);
}

// Runs `step` in a child process in which `folder` (which must exist) is
// mounted read-only (bound onto itself): a folder no one can write into,
// root included, whom permissions do not stop.  The step's result or
// nothing, as above.
inline std::optional<int> RunWithReadOnlyFolder(const std::filesystem::path& folder, const std::function<int()>& step) {
  return RunWithOwnMounts(
      [&] {
        return ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
               ::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
      },
      step);
}

}  // namespace testsupport
