#pragma once
// A full disk for a test: a step run in a child process in which one folder
// is a file system of a few kilobytes (a tmpfs mounted in a mount namespace
// of the child's own, gone with the child); likewise a folder mounted
// read-only.  No privilege is needed: the child takes a user namespace of its
// own first, in which it may mount, its user and group mapped onto
// themselves so that the files it writes outside the folder are the test's.
// Where the kernel gives no user namespace (user.max_user_namespaces 0, a
// sandbox that forbids it) a mount namespace alone serves a privileged
// process; where neither can be had the step is not run and the caller skips
// with the reason.

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace testsupport {

// A step run with mounts of its own: its result (the child's exit status),
// or nothing and the reason it could not be run here.
struct MountedRun {
  std::optional<int> status;
  std::string unavailable;
};

namespace detail {

inline bool WriteProcFile(const char* name, const char* text) {
  const int fd = ::open(name, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const auto size = static_cast<ssize_t>(std::strlen(text));
  const bool written = ::write(fd, text, static_cast<std::size_t>(size)) == size;
  return ::close(fd) == 0 && written;
}

// What the child came to have: a mount namespace of its own, none, or a user
// namespace in which its user or group could not be mapped.
enum class Namespace { kOwn, kNone, kUnmapped };

// In the child: a user namespace and a mount namespace of its own, the user
// and group mapped onto themselves; or a mount namespace alone where the
// process may have one (privileged) and the kernel gives no user namespace.
inline Namespace OwnMountNamespace() {
  const uid_t uid = ::getuid();
  const gid_t gid = ::getgid();
  if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) {
    char map[64];
    std::snprintf(map, sizeof map, "%u %u 1\n", static_cast<unsigned>(uid), static_cast<unsigned>(uid));
    if (!WriteProcFile("/proc/self/uid_map", map)) return Namespace::kUnmapped;
    // A process without privilege maps its group only once it has given up
    // setgroups in the namespace.
    if (!WriteProcFile("/proc/self/setgroups", "deny\n")) return Namespace::kUnmapped;
    std::snprintf(map, sizeof map, "%u %u 1\n", static_cast<unsigned>(gid), static_cast<unsigned>(gid));
    return WriteProcFile("/proc/self/gid_map", map) ? Namespace::kOwn : Namespace::kUnmapped;
  }
  return ::unshare(CLONE_NEWNS) == 0 ? Namespace::kOwn : Namespace::kNone;
}

}  // namespace detail

// Runs `step` in a child process, in a mount namespace of its own in which
// `mountFolder` has mounted what the test needs; the step's result as the
// child's exit status, or nothing with the reason when no such mount can be
// made here.
inline MountedRun RunWithOwnMounts(const std::function<bool()>& mountFolder, const std::function<int()>& step) {
  constexpr int kNoNamespace = 77;
  constexpr int kNoMount = 78;
  constexpr int kUnmapped = 79;
  const pid_t child = ::fork();
  if (child < 0) return {-1, {}};
  if (child == 0) {
    switch (detail::OwnMountNamespace()) {
      case detail::Namespace::kOwn: break;
      case detail::Namespace::kNone: ::_exit(kNoNamespace);
      case detail::Namespace::kUnmapped: ::_exit(kUnmapped);
    }
    // Nothing mounted here reaches the test's own namespace.
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 || !mountFolder()) ::_exit(kNoMount);
    ::_exit(step());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return {-1, {}};
  switch (WEXITSTATUS(status)) {
    case kNoNamespace:
      return {std::nullopt,
              "the kernel gives this process no user namespace (user.max_user_namespaces is 0, or a sandbox "
              "forbids unshare) and it has no privilege for a mount namespace of its own"};
    case kUnmapped:
      return {std::nullopt, "a user namespace was had, but its user or group could not be mapped onto itself"};
    case kNoMount:
      return {std::nullopt, "a mount namespace of its own was had, but the folder could not be mounted in it"};
    default:
      return {WEXITSTATUS(status), {}};
  }
}

// Runs `step` in a child process with `folder` (which must exist) holding a
// file system of `size` (a tmpfs size such as "8k"), and returns the step's
// result as the child's exit status; nothing when no small file system can
// be mounted here (the caller skips).  The step keeps what the test looks at
// afterwards outside that folder: the small file system goes with the child.
inline MountedRun RunWithSmallFileSystem(const std::filesystem::path& folder, const std::string& size,
                                         const std::function<int()>& step) {
  return RunWithOwnMounts(
      [&] { return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0; }, step);
}

// Runs `step` in a child process in which `folder` (which must exist) is
// mounted read-only (bound onto itself): a folder no one can write into,
// root included, whom permissions do not stop.  The step's result or
// nothing, as above.
inline MountedRun RunWithReadOnlyFolder(const std::filesystem::path& folder, const std::function<int()>& step) {
  return RunWithOwnMounts(
      [&] {
        // The flags the folder's file system is mounted with stay on the
        // bound folder: a namespace of a user namespace may not lift them.
        struct statvfs st {};
        if (::statvfs(folder.c_str(), &st) != 0) return false;
        unsigned long kept = 0;
        const struct {
          unsigned long has, keep;
        } flags[] = {{ST_NOSUID, MS_NOSUID},   {ST_NODEV, MS_NODEV},         {ST_NOEXEC, MS_NOEXEC},
                     {ST_NOATIME, MS_NOATIME}, {ST_NODIRATIME, MS_NODIRATIME}, {ST_RELATIME, MS_RELATIME}};
        for (const auto& f : flags) {
          if ((st.f_flag & f.has) != 0) kept |= f.keep;
        }
        return ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
               ::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY | kept, nullptr) == 0;
      },
      step);
}

}  // namespace testsupport
