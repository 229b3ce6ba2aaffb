#pragma once
// The stops that end a run at once.

#include <stdexcept>
#include <string>

#include "common/platform/exit_status.hpp"

namespace platform {

// Thrown to end a run at once; caught by RunProgram, which closes every file
// and says the message, unless the user has been shown it already (a
// message box said it just before).
class RunStop : public std::runtime_error {
 public:
  RunStop(ExitStatus status, const std::string& message, bool alreadyShown = false)
      : std::runtime_error(message), status_(status), alreadyShown_(alreadyShown) {}
  ExitStatus Status() const { return status_; }
  bool AlreadyShown() const { return alreadyShown_; }

 private:
  ExitStatus status_;
  bool alreadyShown_;
};

[[noreturn]] void StopForDataError(const std::string& message);
// The same for a message the user has just been shown in a message box: the
// run's end does not say it a second time.
[[noreturn]] void StopForShownDataError(const std::string& message);
[[noreturn]] void StopByUser(const std::string& message = std::string());

}  // namespace platform
