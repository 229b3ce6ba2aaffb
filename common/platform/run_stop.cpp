#include "common/platform/run_stop.hpp"

namespace platform {

void StopForDataError(const std::string& message) { throw RunStop(ExitStatus::kDataError, message); }

void StopForShownDataError(const std::string& message) {
  throw RunStop(ExitStatus::kDataError, message, true);
}

void StopByUser(const std::string& message) { throw RunStop(ExitStatus::kUserStop, message); }

}  // namespace platform
