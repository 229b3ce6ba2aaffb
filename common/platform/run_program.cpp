#include "common/platform/run_program.hpp"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "common/platform/errors.hpp"

namespace platform {

namespace {

// A program started with a standard descriptor closed would give that
// number to the first file it opens: the terminal's text (questions,
// messages) would then land in a task file read or an output written.  Each
// closed one is opened on /dev/null before anything else; false when that
// cannot be done.
bool OpenClosedStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free number: this one, the ones below it being open.
    const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened < 0) return false;
    if (opened != fd) {
      const bool moved = ::dup2(opened, fd) == fd;
      ::close(opened);
      if (!moved) return false;
    }
  }
  return true;
}

}  // namespace

int RunProgram(Session& session, const std::function<void(Session&)>& driver) {
  ExitStatus status = ExitStatus::kComplete;
  std::string message;
  bool shown = false;
  try {
    session.LockFolder(session.WorkingDirectory());
    driver(session);
  } catch (const RunStop& stop) {
    status = stop.Status();
    message = stop.what();
    shown = stop.AlreadyShown();
  } catch (const DataError& e) {
    status = ExitStatus::kDataError;
    message = e.what();
  } catch (const std::exception& e) {
    status = ExitStatus::kInternalFault;
    message = std::string("Program hatasi: ") + e.what();
  } catch (...) {
    status = ExitStatus::kInternalFault;
    message = "Program hatasi: bilinmeyen hata";
  }
  if (!message.empty() && !shown) session.Err() << "\n" << message << "\n";
  session.Finish(status == ExitStatus::kComplete);
  // A run whose files are incomplete on disk has not gone to its end.
  if (status == ExitStatus::kComplete && session.OutputFailed()) status = ExitStatus::kDataError;
  return static_cast<int>(status);
}

int RunInCurrentDirectory(const std::function<void(Session&)>& driver) {
  // A file-size limit (ulimit -f) would end the process at the write that
  // passes it, without a word and with the files cut: ignored, the write
  // fails instead, and the run stops as on a full disk, saying which file.
  ::signal(SIGXFSZ, SIG_IGN);
  if (!OpenClosedStandardDescriptors()) {
    // Standard error may be among the closed ones: said where it can be.
    std::cerr << "Standart girdi, cikti ve hata kanallari acilamadi (/dev/null). Bu durumda program calismaz.\n";
    return static_cast<int>(ExitStatus::kDataError);
  }
  std::error_code error;
  const std::filesystem::path workingDirectory = std::filesystem::current_path(error);
  if (error) {
    std::cerr << "Calisma dizini okunamadi (" << error.message() << "). Bu durumda program calismaz.\n";
    return static_cast<int>(ExitStatus::kDataError);
  }
  Session session(std::cin, std::cout, std::cerr, workingDirectory);
  return RunProgram(session, driver);
}

}  // namespace platform
