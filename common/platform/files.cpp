#include "common/platform/files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>

#include "common/platform/numtext.hpp"
#include "common/platform/session.hpp"

namespace platform {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// Lines ended by a carriage return alone (an old Macintosh text file) read
// as one long line.
constexpr const char* kLoneCarriageReturns =
    "satir sonlari yalniz CR (satir basi) karakteri; dosyanin satirlari CR LF ya da LF ile bitmelidir. "
    "Dosyayi bir metin duzenleyicisinde CR LF ya da LF satir sonlariyla kaydedin.";
constexpr const char* kLongLine = "satir 65536 karakterden (64 KiB) uzun; bu bir metin dosyasi degil ya da bozuk";

}  // namespace

void RequireFiniteOutput(const std::string& fileName, const std::string& quantity, double value) {
  if (std::isfinite(value)) return;
  const char* what = std::isnan(value) ? "tanimsiz (NaN)" : (value > 0 ? "sonsuz (+Inf)" : "sonsuz (-Inf)");
  StopForDataError(Quoted(ShownPath(fileName)) + " dosyasina yazilacak " + quantity + " sonlu bir sayi degil: " +
                   what + ". Bu deger dosyaya yazilamaz; girdi degerlerini kontrol edin.");
}

std::string ShownPath(const std::string& programPath) {
  std::string s = programPath;
  std::replace(s.begin(), s.end(), '\\', '/');
  return s;
}

// ---------------------------------------------------------------- InputFile

InputFile::InputFile(const std::filesystem::path& path, std::string displayName) : name_(ShownPath(displayName)) {
  const auto refuse = [&](const std::string& why) { StopForDataError(Quoted(name_) + why + " Bu durumda program calismaz."); };
  const std::string cannotOpen = " dosyasi acilamadi (dosya yok ya da okunamiyor).";
  const auto checkKind = [&](const struct stat& st) {
    if (!S_ISREG(st.st_mode)) {
      refuse(" bir dosya degil (bir klasor, aygit ya da FIFO); program yalniz duz metin dosyalarini okur.");
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kLargestFile) {
      refuse(" dosyasi cok buyuk (" + std::to_string(st.st_size) +
             " bayt, en fazla 64 MiB); bir gorev dosyasi ya da tablo bu kadar buyuk olamaz.");
    }
  };
  // Decided before the file is opened: opening a FIFO would wait for a
  // writer, and a device such as /dev/zero never ends.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) refuse(cannotOpen);
  checkKind(st);
  // The name may have changed since: never waiting in the open, and the
  // file opened checked again.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) refuse(cannotOpen);
  const bool known = ::fstat(fd, &st) == 0;
  if (!known || !S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > kLargestFile) {
    ::close(fd);
    if (!known) refuse(cannotOpen);
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
    StopForDataError(Quoted(name_) + " dosyasi cok buyuk (en fazla 64 MiB); bir gorev dosyasi ya da tablo bu kadar "
                     "buyuk olamaz. Bu durumda program calismaz.");
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

std::string InputFile::ReadText() { return TrimBlanks(ReadLine()); }

std::vector<double> InputFile::ReadNumbers(int count) {
  const std::string line = ReadLine();
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
    const std::string line = ReadLine();
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

void ReadTaskFileNames(InputFile& in, TaskFileNames& names) {
  in.SkipLines(11);                 // heading block, lines 1-11
  names.DATAFILE = in.ReadText();   // 12
  in.SkipLine();
  names.DATADIR = in.ReadText();    // 14
  in.SkipLine();
  names.REPORTFILE = in.ReadText(); // 16
  in.SkipLine();
  names.OUTDIR = in.ReadText();     // 18
}

bool InputFile::AtEnd() { return at_ == buffer_.size() && !Fill(); }

void InputFile::Fail(const std::string& what) const {
  StopForDataError(Quoted(name_) + " dosyasi, satir " + std::to_string(line_) + ": " + what);
}

// --------------------------------------------------------------- OutputFile

OutputFile::OutputFile(const std::filesystem::path& path, std::string displayName)
    : path_(path), name_(ShownPath(displayName)) {
  // A symbolic link left where an output goes is replaced by the file: the
  // file it points at may be anything, an input of the run included.
  std::error_code ec;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) std::filesystem::remove(path, ec);
  out_.open(path, std::ios::out | std::ios::binary | std::ios::trunc);
  if (!out_.is_open()) {
    StopForDataError(Quoted(name_) + " dosyasi olusturulamadi (cikti dizini yok ya da yazilamiyor). Bu durumda "
                     "program calismaz.");
  }
  pending_.reserve(kPiece + 1024);
}

void OutputFile::Line(std::string_view text) {
  Put(text);
  Put("\r\n");
}

void OutputFile::Write(std::string_view text) { Put(text); }

void OutputFile::Put(std::string_view text) {
  // Gathered here and handed to the file in large pieces.
  if (!out_.is_open()) return;
  pending_.append(text);
  if (pending_.size() >= kPiece) WritePending();
}

void OutputFile::WritePending() {
  if (pending_.empty()) return;
  out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
  pending_.clear();
  CheckWritten();
}

void OutputFile::CheckWritten() {
  if (out_.fail()) StopOnFailedWrite();
}

void OutputFile::Flush() {
  if (!out_.is_open()) return;
  WritePending();
  out_.flush();
  CheckWritten();
}

void OutputFile::Close() {
  CloseQuietly();
  if (failed_) StopOnFailedWrite();
}

void OutputFile::CloseQuietly() noexcept {
  if (!out_.is_open()) return;
  if (!pending_.empty()) {
    out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    pending_.clear();
  }
  out_.flush();
  if (out_.fail()) failed_ = true;
  out_.close();
  if (out_.fail()) failed_ = true;
}

void OutputFile::StopOnFailedWrite() {
  failed_ = true;
  CloseQuietly();
  reported_ = true;
  StopForDataError(FailedWriteMessage());
}

std::string OutputFile::FailedWriteMessage() const {
  return Quoted(name_) + " dosyasi tam olarak yazilamadi (disk dolu ya da yazilamiyor). Bu durumda program "
                         "calismaz.";
}

}  // namespace platform
