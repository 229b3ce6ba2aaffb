#include "common/platform/input_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <system_error>
#include <utility>

#include "common/platform/blanks.hpp"
#include "common/platform/number_parse.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/shown_path.hpp"

namespace platform {

namespace {

// Lines ended by a carriage return alone (an old Macintosh text file) read
// as one long line.
constexpr const char* kLoneCarriageReturns =
    "satir sonlari yalniz CR (satir basi) karakteri; dosyanin satirlari CR LF ya da LF ile bitmelidir. "
    "Dosyayi bir metin duzenleyicisinde CR LF ya da LF satir sonlariyla kaydedin.";
constexpr const char* kLongLine = "satir 65536 karakterden (64 KiB) uzun; bu bir metin dosyasi degil ya da bozuk";

}  // namespace

InputFile::InputFile(const std::filesystem::path& path, std::string displayName) : name_(ShownPath(displayName)) {
  // Callers may put the kind of file before the name ("Data dosyasi"): each
  // message of the opening reads right with such a word before the name and
  // without it.
  const auto refuse = [&](const std::string& why) { StopForDataError(Quoted(name_) + why + " Bu durumda program calismaz."); };
  const auto refuseOpen = [&](int error) {
    refuse(error == EACCES || error == EPERM ? " acilamadi (dosya var ama okuma izni yok)."
                                             : " acilamadi (dosya var ama okunamiyor).");
  };
  const auto checkKind = [&](const struct stat& st) {
    if (!S_ISREG(st.st_mode)) {
      refuse(" bir dosya degil (bir klasor, aygit ya da FIFO); program yalniz duz metin dosyalarini okur.");
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kLargestFile) {
      refuse(" cok buyuk (" + std::to_string(st.st_size) +
             " bayt, en fazla 64 MiB); bir gorev dosyasi ya da tablo bu kadar buyuk olamaz.");
    }
  };
  // Decided before the file is opened: opening a FIFO would wait for a
  // writer, and a device such as /dev/zero never ends.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) refuse(" dosyasi acilamadi (dosya yok ya da okunamiyor).");
  checkKind(st);
  // The name may have changed since: never waiting in the open, and the
  // file opened checked again.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) refuseOpen(errno);
  const bool known = ::fstat(fd, &st) == 0;
  if (!known || !S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > kLargestFile) {
    const int error = errno;
    ::close(fd);
    if (!known) refuseOpen(error);
    checkKind(st);
  }
  fd_ = fd;
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      name_(std::move(other.name_)),
      line_(other.line_),
      current_(std::move(other.current_)),
      buffer_(std::move(other.buffer_)),
      at_(other.at_),
      read_(other.read_) {}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool InputFile::Fill() {
  constexpr std::size_t kPiece = std::size_t{1} << 14;  // a few pages, filled again and again
  at_ = 0;
  buffer_.clear();
  if (fd_ < 0) return false;
  buffer_.resize(kPiece);
  ssize_t n = 0;
  do {
    n = ::read(fd_, buffer_.data(), kPiece);
  } while (n < 0 && errno == EINTR);
  if (n < 0) {
    buffer_.clear();
    Fail("dosya okunamadi (okuma hatasi)");
  }
  buffer_.resize(static_cast<std::size_t>(n));
  read_ += static_cast<std::size_t>(n);
  // A file that grows while it is read is held to the same bound.
  if (read_ > kLargestFile) {
    StopForDataError(Quoted(name_) + " cok buyuk (en fazla 64 MiB); bir gorev dosyasi ya da tablo bu kadar buyuk "
                     "olamaz. Bu durumda program calismaz.");
  }
  return n > 0;
}

const std::string& InputFile::NextLine() {
  std::string& line = current_;
  line.clear();
  bool found = false;  // a line end or at least one character
  for (;;) {
    if (at_ == buffer_.size() && !Fill()) break;
    const char* const from = buffer_.data() + at_;
    const std::size_t left = buffer_.size() - at_;
    const char* const end = static_cast<const char*>(std::memchr(from, '\n', left));
    const std::size_t take = end != nullptr ? static_cast<std::size_t>(end - from) : left;
    // One character more for the carriage return of a CR LF line end.
    if (line.size() + take > kLongestLine + 1) {
      ++line_;
      // A carriage return just before the line feed ends the line; any other
      // is a line end of its own.
      const std::size_t text = end != nullptr && take > 0 && from[take - 1] == '\r' ? take - 1 : take;
      const bool lone = line.find('\r') != std::string::npos || std::memchr(from, '\r', text) != nullptr;
      Fail(lone ? kLoneCarriageReturns : kLongLine);
    }
    line.append(from, take);
    at_ += take;
    found = true;
    if (end != nullptr) {
      ++at_;
      break;
    }
  }
  if (!found) {
    ++line_;
    Fail("dosya beklenmeden bitti, bir satir daha bekleniyordu");
  }
  ++line_;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.find('\r') != std::string::npos) Fail(kLoneCarriageReturns);
  if (line.size() > kLongestLine) Fail(kLongLine);
  // A byte-order mark written by some editors in front of the first line.
  if (line_ == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
  return line;
}

std::string InputFile::ReadLine() { return NextLine(); }

std::string InputFile::ReadText() { return TrimBlanks(NextLine()); }

std::string InputFile::ReadName(const std::string& field) {
  std::string name = ReadText();
  const auto control = std::find_if(name.begin(), name.end(), IsControlCharacter);
  if (control != name.end()) {
    const auto code = static_cast<unsigned char>(*control);
    Fail(field + " \"" + VisibleName(name) + "\" " + std::to_string(control - name.begin() + 1) +
         ". karakterinde bir denetim karakteri (" + (code == 0 ? std::string("NUL, ") : std::string()) + "kod " +
         std::to_string(code) + ") tasiyor; dosya ve dizin adlarinda denetim karakteri olamaz. Satiri bir metin "
         "duzenleyicisinde duzeltin.");
  }
  // No file or folder of the system has a name longer than NAME_MAX bytes:
  // a part of the name (between "\" or "/" separators) beyond that is no
  // file the run could read or write.
  for (std::size_t start = 0, end = 0; start <= name.size(); start = end + 1) {
    end = std::min(name.find_first_of("\\/", start), name.size());
    if (end - start <= NAME_MAX) continue;
    Fail(field + " \"" + VisibleName(name) + "\" icindeki bir ad " + std::to_string(end - start) +
         " bayt; sistem bir dosya ya da dizin adinda en fazla " + std::to_string(NAME_MAX) +
         " bayt tutar. Adi kisaltin.");
  }
  return name;
}

std::vector<double> InputFile::ReadNumbers(int count) {
  const std::string& line = NextLine();
  std::vector<double> values;
  std::string problem;
  if (!ParseNumberLine(line, count, values, problem)) Fail(problem);
  return values;
}

std::vector<double> InputFile::ReadNumberList(int count, std::vector<int>* lines,
                                              const std::function<std::string(int k)>& expected) {
  std::vector<double> list;
  if (lines) lines->clear();
  while (static_cast<int>(list.size()) < count) {
    const auto due = [&] { return expected ? "; " + expected(static_cast<int>(list.size()) + 1) : std::string(); };
    if (expected && AtEnd()) Fail("dosya beklenmeden bitti" + due());
    const std::string& line = NextLine();
    std::vector<double> values;
    std::string problem;
    if (!ParseNumberItems(line, values, problem)) Fail(problem + due());
    if (static_cast<int>(list.size() + values.size()) > count) {
      Fail(std::to_string(count) + " sayilik listenin " + std::to_string(list.size() + 1) + ". sayisindan baslayan "
           "satirda " + std::to_string(values.size()) + " sayi var; listede " +
           std::to_string(count - static_cast<int>(list.size())) + " sayi kalmisti");
    }
    list.insert(list.end(), values.begin(), values.end());
    if (lines) lines->insert(lines->end(), values.size(), line_);
  }
  return list;
}

bool InputFile::AtEnd() { return at_ == buffer_.size() && !Fill(); }

void InputFile::Fail(const std::string& what) const {
  StopForDataError(Quoted(name_) + " dosyasi, satir " + std::to_string(line_) + ": " + what);
}

// --------------------------------------------------------------- OutputFile

}  // namespace platform
