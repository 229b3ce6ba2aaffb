#pragma once
// A step of a test run in a child process of its own, for what a test must
// not do to its own process: be killed at a random moment, run without its
// standard descriptors, write under a file-size limit, or wait for ever.
// The step hands back a text (through a pipe, which no file-size limit
// touches) and its result as the child's exit status; a child still running
// at its deadline is killed with SIGKILL, as `kill -9` would.  The deadline
// runs from the start, or, when `clockStarts` is given, from the moment it
// first holds (looked at every millisecond, for at most 20 s): a kill
// meant for the middle of some work then does not depend on how long the
// child takes to start it (a sanitizer build on a busy machine).

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>

namespace testsupport {

struct ChildRun {
  bool killed = false;  // still running at the deadline: killed
  int status = -1;      // the step's result when it ended of itself, -1 otherwise
  std::string text;     // what the step handed back
};

inline ChildRun RunInChild(const std::function<int(std::string& text)>& step,
                           std::chrono::milliseconds deadline = std::chrono::seconds(20),
                           const std::function<bool()>& clockStarts = {}) {
  ChildRun run;
  int pipe[2];
  if (::pipe(pipe) != 0) return run;
  // Nothing buffered in this process is written twice by the child.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(pipe[0]);
    ::close(pipe[1]);
    return run;
  }
  if (child == 0) {
    ::close(pipe[0]);
    std::string text;
    const int result = step(text);
    for (std::size_t at = 0; at < text.size();) {
      const ssize_t n = ::write(pipe[1], text.data() + at, text.size() - at);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      at += static_cast<std::size_t>(n);
    }
    ::_exit(result);
  }
  ::close(pipe[1]);
  auto end = std::chrono::steady_clock::now() + deadline;
  if (clockStarts) {
    const auto latest = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!clockStarts() && std::chrono::steady_clock::now() < latest) ::usleep(1000);
    end = std::chrono::steady_clock::now() + deadline;
  }
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      ::kill(child, SIGKILL);
      run.killed = true;
      break;
    }
    pollfd p{pipe[0], POLLIN, 0};
    const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) continue;
    char piece[4096];
    const ssize_t n = ::read(pipe[0], piece, sizeof piece);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // the child has ended (or closed its end)
    run.text.append(piece, static_cast<std::size_t>(n));
  }
  ::close(pipe[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!run.killed && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  return run;
}

// For a step in a child: no file of this process can grow beyond `bytes`
// from now on, and a write past that fails as on a full disk (EFBIG; the
// signal it would raise ignored).  A full disk for every file the step
// writes, with no privilege needed.
inline bool LimitFileSize(rlim_t bytes) {
  ::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
  limit.rlim_cur = bytes;
  return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

}  // namespace testsupport
