// Runs a program several times in a working directory, standard input from
// /dev/null and its terminal output to terminal.txt there, and prints the
// median wall time and the median processor time (user and system) in
// milliseconds, the largest peak resident memory of the runs in megabytes and
// the exit status of the last run:
//   run_timed RUNS WORKDIR PROGRAM
//   -> "median_ms=12.3 cpu_ms=10.1 peak_mb=4.5 status=0"
// Given a second program (another build of it) and its own working
// directory, the two run in pairs, one after the other, the order turned
// about from pair to pair, so that both see the same state of the machine;
// the second's figures and the median of the pairs' wall-time ratios
// (first / second) follow:
//   run_timed RUNS WORKDIR PROGRAM OTHER_WORKDIR OTHER_PROGRAM
//   -> "... other_median_ms=11.0 other_cpu_ms=9.0 other_peak_mb=4.4 other_status=0 ratio=1.12"
// A tool of scripts/bench; no test depends on it.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Timed {
  double wallMs = 0;
  double cpuMs = 0;
  double peakMb = 0;
  int status = -1;
};

Timed RunOnce(const std::string& dir, const std::string& program) {
  Timed t;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) return t;
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(127);
    const int in = open("/dev/null", O_RDONLY);
    const int out = open("terminal.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(out, 2);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return t;
  const auto end = std::chrono::steady_clock::now();
  t.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
  const auto ms = [](const timeval& v) { return static_cast<double>(v.tv_sec) * 1e3 + static_cast<double>(v.tv_usec) / 1e3; };
  t.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
  t.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  t.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return t;
}

}  // namespace

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The runs of one program.
struct Series {
  std::vector<double> walls, cpus;
  double peak = 0;
  int status = 0;
  void Add(const Timed& t) {
    walls.push_back(t.wallMs);
    cpus.push_back(t.cpuMs);
    peak = std::max(peak, t.peakMb);
    status = t.status;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 6) {
    std::fprintf(stderr, "usage: run_timed RUNS WORKDIR PROGRAM [OTHER_WORKDIR OTHER_PROGRAM]\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  const bool paired = argc == 6;
  Series first, second;
  std::vector<double> ratios;
  for (int k = 0; k < runs; ++k) {
    if (!paired) {
      first.Add(RunOnce(argv[2], argv[3]));
      continue;
    }
    Timed a, b;
    if (k % 2 == 0) {
      a = RunOnce(argv[2], argv[3]);
      b = RunOnce(argv[4], argv[5]);
    } else {
      b = RunOnce(argv[4], argv[5]);
      a = RunOnce(argv[2], argv[3]);
    }
    first.Add(a);
    second.Add(b);
    if (b.wallMs > 0) ratios.push_back(a.wallMs / b.wallMs);
  }
  std::printf("median_ms=%.1f cpu_ms=%.1f peak_mb=%.1f status=%d", Median(first.walls), Median(first.cpus),
              first.peak, first.status);
  if (paired) {
    std::printf(" other_median_ms=%.1f other_cpu_ms=%.1f other_peak_mb=%.1f other_status=%d ratio=%.3f",
                Median(second.walls), Median(second.cpus), second.peak, second.status,
                ratios.empty() ? 0.0 : Median(ratios));
  }
  std::printf("\n");
  return 0;
}
