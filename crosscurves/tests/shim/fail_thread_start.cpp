// A preload library for the tests of the section threads: it makes chosen
// calls of pthread_create fail as a system short of threads does (EAGAIN),
// and passes every other call on.
//
//   SUITE_FAIL_THREAD_START=2      the 2nd call fails
//   SUITE_FAIL_THREAD_START=2-     the 2nd and every later call fail
//   SUITE_FAIL_THREAD_RECORD=path  one line "failed <n>" appended per failed call
//
// Only C headers: the C++ library's own headers declare pthread_create.
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

namespace {

using ThreadStart = int (*)(void*, const void*, void* (*)(void*), void*);

bool Fails(long call) {
  const char* rule = getenv("SUITE_FAIL_THREAD_START");
  if (rule == nullptr || *rule == '\0') return false;
  char* end = nullptr;
  const long from = strtol(rule, &end, 10);
  return *end == '-' ? call >= from : call == from;
}

void Record(long call) {
  const char* path = getenv("SUITE_FAIL_THREAD_RECORD");
  if (path == nullptr) return;
  const int fd = open(path, O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (fd < 0) return;
  char line[32];
  const int n = snprintf(line, sizeof line, "failed %ld\n", call);
  if (n > 0) (void)!write(fd, line, static_cast<size_t>(n));
  close(fd);
}

}  // namespace

extern "C" int pthread_create(void* thread, const void* attributes, void* (*start)(void*), void* argument) {
  static long calls = 0;
  const long call = __atomic_add_fetch(&calls, 1, __ATOMIC_SEQ_CST);
  if (Fails(call)) {
    Record(call);
    return EAGAIN;
  }
  static const ThreadStart next = reinterpret_cast<ThreadStart>(dlsym(RTLD_NEXT, "pthread_create"));
  return next(thread, attributes, start, argument);
}
