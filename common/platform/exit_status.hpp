#pragma once
// Exit statuses of the programs.

namespace platform {

enum class ExitStatus : int {
  kComplete = 0,       // the run went to its end
  kDataError = 1,      // a check of the data or bad input stopped it
  kUserStop = 2,       // the user's answer stopped it
  kInternalFault = 3,  // a fault of the program itself
};

}  // namespace platform
