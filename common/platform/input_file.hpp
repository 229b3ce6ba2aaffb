#pragma once
// Line-oriented input text files with CR LF or LF line ends, and the item
// reader of the task files and offset tables.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

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
  // short and send the file elsewhere), or a part of it (between "\" or "/")
  // longer than the system holds in one name, stops the run on its line,
  // naming `field` and what is wrong.
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

}  // namespace platform
