#pragma once
// The platform seam of a run: every question, message, form, input file and
// output file of a program goes through one Session, so that a run can be
// driven from a terminal or a test (answers on an input stream) and its
// pictures and files inspected afterwards.

#include <filesystem>
#include <functional>
#include <istream>
#include <list>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/platform/file_identity.hpp"
#include "common/platform/form.hpp"
#include "common/platform/input_file.hpp"
#include "common/platform/output_file.hpp"
#include "common/platform/picture_folder.hpp"
#include "common/platform/run_stop.hpp"

namespace platform {

class Session {
 public:
  // in: where the answers come from; out: the terminal (titles, prompts,
  // form text); err: message boxes and the final message of an early end.
  // The pictures of an earlier run under workingDirectory/screens are
  // removed when this run writes its first picture.
  Session(std::istream& in, std::ostream& out, std::ostream& err, std::filesystem::path workingDirectory);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  const std::filesystem::path& WorkingDirectory() const { return workingDirectory_; }
  // The working directory followed by the separator "\".
  std::string TaskDirectory() const;
  // A path as the programs write it ("\" separators, directory prefixes such
  // as DATADIR or OUTDIR joined without a separator) made into a path of this
  // machine; a relative path is taken from the working directory.  A path
  // that begins with TaskDirectory keeps that part as the working directory
  // is named, a "\" in its own name included.  A path holding a NUL stops
  // the run as a data error: the system would take the part before it for
  // the whole name, another file than the one checked.
  std::filesystem::path ResolvePath(const std::string& programPath) const;

  // The inputs of the run as its file claim found them on disk: no output
  // file is ever opened on one of them (a hard link made since, for one).
  void NoteClaimedInputs(std::vector<ClaimedInput> inputs) { claimedInputs_ = std::move(inputs); }

  // Takes the advisory lock of a folder for the rest of the run, so that no
  // second run works in it at the same time; a folder another run holds
  // stops this run as a data error (nothing written).  The system releases
  // the lock when the process ends, however it ends.  A folder that cannot
  // be opened is not locked (writing into it fails with its own message).
  void LockFolder(const std::filesystem::path& folder);

  // Modal input box: writes what the output files hold so far and the
  // pictures of the visible forms to disk (WriteScreens), prints title,
  // prompt and default, reads one line.  An empty line or end of input gives
  // the default text; otherwise the line as typed (only its line end removed).
  std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText);
  // True once an input box has met the end of the input: every later box
  // takes its default, so a question whose answer is refused cannot be asked
  // again (RefuseAnswer stops the run instead).
  bool InputEnded() const { return inputEnded_; }
  // Message box: title and prompt on the error stream; reads nothing.
  void MessageBox(const std::string& prompt, const std::string& title);

  // The form of that name, created on first use with the given geometry.
  ConsoleForm& Form(const std::string& name, const std::string& caption, double leftTwips, double topTwips,
                    double widthTwips, double heightTwips);

  // Output text file, created anew; owned and closed by the session.
  OutputFile& CreateOutput(const std::string& programPath);
  // Input text file; a missing file stops the run as a data error.
  InputFile OpenInput(const std::string& programPath) const;
  // The same, the messages of a file that cannot be opened naming what it
  // is first (`kind`, e.g. "Data dosyasi"): one that is not there is said as
  // such, one that is there but cannot be read keeps the reader's reason.
  InputFile OpenInput(const std::string& programPath, const std::string& kind) const;

  // Writes a picture of every visible form changed since its last picture;
  // they are on disk when this returns.  A pictures folder that cannot be
  // written is said once; the run goes on.
  void WriteScreens();
  // Writes what every open output file holds to disk; a failed write stops
  // the run as a data error.
  void FlushOutputs();
  // Closes every output file and writes the last pictures; called at the end
  // of every run, normal or early.  `runComplete`: the run went to its end,
  // so every output it opened holds its text, none for a file nothing was
  // written into; after an early end such a file (one of an earlier run) is
  // left as it was.
  void Finish(bool runComplete);
  // True when an output file of the run could not be written completely;
  // RunProgram then reports the run as stopped by a data error.
  bool OutputFailed() const;

  std::ostream& Out() { return out_; }
  std::ostream& Err() { return err_; }
  std::filesystem::path ScreensDirectory() const { return workingDirectory_ / "screens"; }
  // The pictures of the run so far, each complete on disk.
  const std::vector<std::filesystem::path>& ScreenFiles() const { return screenFiles_; }

 private:
  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  std::filesystem::path workingDirectory_;
  std::list<std::unique_ptr<ConsoleForm>> forms_;
  std::list<std::unique_ptr<OutputFile>> outputs_;
  std::vector<ClaimedInput> claimedInputs_;
  std::vector<std::filesystem::path> screenFiles_;
  // The revision of each form at its last picture, to write a new one only
  // after a change.
  std::vector<std::pair<const ConsoleForm*, unsigned long>> pictured_;
  int screenCounter_ = 0;
  bool picturesStarted_ = false;
  bool inputEnded_ = false;
  bool picturesFailed_ = false;
  // The pictures folder, opened at the first picture.
  PictureFolder screens_;
  // Folders locked by this run: the open descriptor that holds each lock.
  std::vector<int> folderLocks_;
  // Says once that the pictures cannot be written; none is written after.
  void FailPictures();
  void ReleaseFolders() noexcept;
};

}  // namespace platform
