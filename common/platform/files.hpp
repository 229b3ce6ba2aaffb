#pragma once
// Text files of the programs: line-oriented input with CR LF or LF line ends
// and an item reader for task files and offset tables; output text files that
// end every line with CR LF.

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The file a path names on disk (links followed): its device and inode.
struct FileIdentity {
  dev_t device;
  ino_t inode;
  bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& p);

// An input of a run as the file claim found it: the file on disk and the
// name the program gave it.  No output is ever written into one.
struct ClaimedInput {
  FileIdentity identity;
  std::string name;
};

// What a directory entry that is not a plain file is, as the messages say
// it: "bir klasor", "bir FIFO (adli boru)", "bir aygit", ... (st_mode of an
// lstat or fstat).
std::string EntryKind(mode_t mode);

// Reads a text file line by line.  Every fault (missing file, early end, text
// where a number stands, a wrong item count) stops the run as a data error
// with a message naming the file and the line.  Only a plain file is read:
// a folder, a device (a link to /dev/zero) or a FIFO is refused before it is
// opened, and so is a file larger than kLargestFile or a line longer than
// kLongestLine: no task file or offset table comes near either.
class InputFile {
 public:
  static constexpr std::size_t kLargestFile = std::size_t{64} << 20;  // bytes
  static constexpr std::size_t kLongestLine = std::size_t{64} << 10;  // characters before the line end

  // displayName is the name shown in messages (as the user wrote it, with "/"
  // separators: ShownPath).
  InputFile(const std::filesystem::path& path, std::string displayName);
  ~InputFile();
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&&) = delete;

  // Whole next line without its line end (LF or CR LF), untrimmed.  A line
  // with a carriage return inside it (a file whose lines end in CR alone)
  // stops the run with a message that says so.
  std::string ReadLine();
  // The same, read into the file's own line buffer: valid until the next read.
  const std::string& NextLine();
  // Reads and ignores one line, or `n` lines.
  void SkipLine() { (void)ReadLine(); }
  void SkipLines(int n) {
    for (int k = 0; k < n; ++k) SkipLine();
  }
  // Whole next line trimmed of leading and trailing blanks and tabs.
  std::string ReadText();
  // The same for a line that holds a file or directory name: a control
  // character in it (a NUL above all, at which the system would cut the name
  // short and send the file elsewhere) stops the run on its line, naming
  // `field` and the character.
  std::string ReadName(const std::string& field);
  // Next line holding exactly `count` numbers separated by commas and/or
  // blanks; anything else stops the run.
  std::vector<double> ReadNumbers(int count);
  double ReadNumber() { return ReadNumbers(1)[0]; }
  // A list of `count` numbers written over one or more whole lines (items
  // separated by commas and/or blanks); a line that would carry the list
  // beyond `count` numbers stops the run.  Reads nothing for count 0.  When
  // `lines` is given it receives the line number of each value.  When
  // `expected` is given, a line that holds no number list (or the file's
  // end) where value k of the list was due is said with expected(k) after
  // its fault: what the list needed there and why.
  std::vector<double> ReadNumberList(int count, std::vector<int>* lines = nullptr,
                                     const std::function<std::string(int k)>& expected = {});
  // True when no further line can be read.
  bool AtEnd();
  // Number of the line read last (1 for the first line).
  int LineNumber() const { return line_; }
  const std::string& DisplayName() const { return name_; }
  // Stops the run as a data error: "\"<file>\" dosyasi, satir <n>: <what>".
  [[noreturn]] void Fail(const std::string& what) const;

 private:
  // Reads the next piece of the file into buffer_; false at its end.
  bool Fill();

  int fd_ = -1;
  std::string name_;
  int line_ = 0;
  std::string current_;
  std::string buffer_;      // read from the file, not yet taken from buffer_[at_] on
  std::size_t at_ = 0;
  std::size_t read_ = 0;    // bytes read from the file so far
};

// The names the task files of the hydrostatics and cross-curves programs
// give on their lines 12 to 18, each line trimmed: the offset table, its
// directory (prefix of the path, with its trailing "\"), the report, and the
// directory of every output.
struct TaskFileNames {
  std::string DATAFILE;
  std::string DATADIR;
  std::string REPORTFILE;
  std::string OUTDIR;
};

// Reads lines 1 to 18 of such a task file: the heading block of lines 1-11
// skipped, the four names with a label line before each of the last three.
void ReadTaskFileNames(InputFile& in, TaskFileNames& names);

// A text output file, created anew.  Owned by the Session, which closes every
// open output file when the run ends, normally or early.  A symbolic link
// standing where the file is to be written is replaced by the file, never
// written through.  Only a plain file is written: what the name holds when
// it is opened (never through a link, never waiting) is checked again, and
// anything but a plain file, or a file that is one of the run's `inputs` (a
// hard link made since the claim), stops the run with nothing written.  A
// write that fails (a full disk, a lost device) stops the run at once as a
// data error naming the file; so does a Close whose last writes fail.
class OutputFile {
 public:
  OutputFile(const std::filesystem::path& path, std::string displayName,
             const std::vector<ClaimedInput>& inputs = {});
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Writes text and then CR LF.  A failed write stops the run.
  void Line(std::string_view text = {});
  // Writes text without a line end.
  void Write(std::string_view text);
  // Ends the current line with CR LF.
  void EndLine() { Write("\r\n"); }
  // Writes what is buffered; a failed write stops the run.
  void Flush();
  // Writes what is buffered and closes; a failed write stops the run.
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  // True when some text could not be written (a full disk, a lost device).
  bool WriteFailed() const { return failed_; }
  // Closes the file without stopping the run when that fails (the end of a
  // run, which reports an incomplete file itself).
  void CloseQuietly() noexcept;
  // Stops the run as a data error: the file could not be written completely.
  [[noreturn]] void StopOnFailedWrite();
  // The message of a file that could not be written completely, and whether
  // the run has already said it.
  std::string FailedWriteMessage() const;
  bool FailureReported() const { return reported_; }
  void MarkFailureReported() { reported_ = true; }
  const std::string& DisplayName() const { return name_; }
  const std::filesystem::path& Path() const { return path_; }

 private:
  void Put(std::string_view text);
  // Hands the buffered text to the file; false when the system took less.
  bool WritePending() noexcept;

  // The text is gathered here and written in pieces of this size, straight
  // to the descriptor checked at the opening.
  static constexpr std::size_t kPiece = std::size_t{1} << 16;
  std::string pending_;

  int fd_ = -1;
  std::filesystem::path path_;
  std::string name_;
  bool failed_ = false;
  bool reported_ = false;
};

// No output holds a number that is not finite: a writer hands every number
// it is about to write here first.  One that is not finite stops the run as a
// data error naming the file (as the program writes its path) and the
// quantity, e.g. "Bonjean alani, posta 3, su hatti 5".
void RequireFiniteOutput(const std::string& fileName, const std::string& quantity, double value);

// A path of the programs ("\" separators, directory prefixes joined without a
// separator) as the messages show it: with "/" separators only, and any
// control character written out (VisibleName).
std::string ShownPath(const std::string& programPath);

// A name as the messages show it: each control character written out, e.g.
// "<NUL>" or "<0x1B>", so that a message never carries one to the terminal.
std::string VisibleName(std::string_view text);

}  // namespace platform
