#pragma once
// Output text files that end every line with CR LF.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/file_identity.hpp"

namespace platform {

// A text output file, created anew.  Owned by the Session, which closes every
// open output file when the run ends, normally or early.  A symbolic link
// standing where the file is to be written is replaced by the file, never
// written through.  Only a plain file is written: what the name holds when
// it is opened (never through a link, never waiting) is checked again, and
// anything but a plain file, or a file that is one of the run's `inputs` or
// one of its `outputs` opened before (a hard link made since the claim),
// stops the run with nothing written.  A file of an earlier run at the name
// is emptied only when this run's first text for it goes to disk, or when
// it is closed (Close, or CloseQuietly at the end of a complete run) with
// nothing written: a run that stops before then leaves it as it was.  A
// write that fails (a full disk, a lost device, a file-size limit) stops the
// run at once as a data error naming the file; so does a Close whose last
// writes fail.
class OutputFile {
 public:
  OutputFile(const std::filesystem::path& path, std::string displayName,
             const std::vector<ClaimedInput>& inputs = {}, const std::vector<ClaimedInput>& outputs = {});
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Writes text and then CR LF.  A failed write stops the run.
  void Line(std::string_view text = {});
  // Writes text without a line end.
  void Write(std::string_view text);
  // Ends the current line with CR LF.
  void EndLine() { Write("\r\n"); }
  // Writes what is buffered (nothing, and nothing emptied, when nothing is);
  // a failed write stops the run.
  void Flush();
  // Writes what is buffered and closes: the file holds this run's text, none
  // when nothing was written.  A failed write stops the run.
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  // True when some text could not be written (a full disk, a lost device).
  bool WriteFailed() const { return failed_; }
  // Closes the file without stopping the run when that fails (the end of a
  // run, which reports an incomplete file itself).  What was written goes to
  // disk; a file nothing was written into is emptied when `runComplete`
  // (the run went to its end) and left as it was otherwise.
  void CloseQuietly(bool runComplete = false) noexcept;
  // Stops the run as a data error: the file could not be written completely.
  [[noreturn]] void StopOnFailedWrite();
  // The message of a file that could not be written completely, and whether
  // the run has already said it.
  std::string FailedWriteMessage() const;
  bool FailureReported() const { return reported_; }
  void MarkFailureReported() { reported_ = true; }
  const std::string& DisplayName() const { return name_; }
  const std::filesystem::path& Path() const { return path_; }
  // The file on disk, as it was opened.
  const FileIdentity& Identity() const { return identity_; }

 private:
  void Put(std::string_view text);
  // Hands the buffered text to the file, emptying it first if this run has
  // not yet; false when the system took less.
  bool WritePending() noexcept;
  // Empties the file once, before this run's first text; false when that fails.
  bool EmptyOnce() noexcept;

  // The text is gathered here and written in pieces of this size, straight
  // to the descriptor checked at the opening.
  static constexpr std::size_t kPiece = std::size_t{1} << 16;
  std::string pending_;

  int fd_ = -1;
  std::filesystem::path path_;
  std::string name_;
  FileIdentity identity_{};
  bool emptied_ = false;
  bool failed_ = false;
  bool reported_ = false;
};

}  // namespace platform
