#pragma once
// One step of a program (a reader, a check, a review) run in a session on a
// working directory, with the answers given as text (one per line), through
// the platform's run wrapper: its exit status and what it said.

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

#include "common/platform/run_program.hpp"
#include "common/platform/session.hpp"

namespace testsupport {

struct StepOutcome {
  int status = -1;
  std::string out, err;
};

inline StepOutcome RunStep(const std::filesystem::path& dir, const std::string& answers,
                           const std::function<void(platform::Session&)>& step) {
  std::istringstream in(answers);
  std::ostringstream out, err;
  StepOutcome r;
  {
    platform::Session session(in, out, err, dir);
    r.status = platform::RunProgram(session, step);
  }
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace testsupport
