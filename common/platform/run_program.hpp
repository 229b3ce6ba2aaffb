#pragma once
// A program's run from its main: the driver in a session, its exit status.

#include <functional>

#include "common/platform/session.hpp"

namespace platform {

// Runs a program's driver: returns 0 when it ends normally, or the status of
// the RunStop (1 for a DataError, 3 for any other fault) after the
// session has closed every file.  The message of an early end goes to err.
// The working directory (where the pictures go) is locked before the driver
// starts: a second run in it is refused at once.
int RunProgram(Session& session, const std::function<void(Session&)>& driver);

// The whole of a program's main: the driver run in a session on the current
// directory, the terminal's input, output and error streams; its exit
// status.  A standard descriptor (0, 1, 2) the program was started without
// is first opened on /dev/null, so that no file of the run can take its
// number and receive the terminal's text.  The signal of a file-size limit
// (SIGXFSZ) is ignored: a write past the limit fails and stops the run as a
// full disk does.  A current directory that cannot be read ends with
// status 1.
int RunInCurrentDirectory(const std::function<void(Session&)>& driver);

}  // namespace platform
