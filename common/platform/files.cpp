#include "common/platform/files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <utility>

#include "common/platform/numtext.hpp"
#include "common/platform/session.hpp"

namespace platform {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// The bytes below a blank and DEL: no name of a file holds one.
bool IsControlCharacter(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code < 0x20 || code == 0x7F;
}

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

std::optional<FileIdentity> IdentityOf(const std::filesystem::path& p) {
  struct stat st {};
  if (::stat(p.c_str(), &st) != 0) return std::nullopt;
  return FileIdentity{st.st_dev, st.st_ino};
}

std::string EntryKind(mode_t mode) {
  if (S_ISDIR(mode)) return "bir klasor";
  if (S_ISFIFO(mode)) return "bir FIFO (adli boru)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "bir aygit";
  if (S_ISSOCK(mode)) return "bir soket";
  if (S_ISLNK(mode)) return "bir baglanti";
  return "duz bir dosya olmayan bir girdi";
}

std::string VisibleName(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    if (!IsControlCharacter(c)) {
      shown += c;
      continue;
    }
    const auto code = static_cast<unsigned char>(c);
    if (code == 0) {
      shown += "<NUL>";
      continue;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    shown += "<0x";
    shown += kHex[code >> 4];
    shown += kHex[code & 0xF];
    shown += '>';
  }
  return shown;
}

std::string ShownPath(const std::string& programPath) {
  std::string s = programPath;
  std::replace(s.begin(), s.end(), '\\', '/');
  return VisibleName(s);
}

// ---------------------------------------------------------------- InputFile

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

void ReadTaskFileNames(InputFile& in, TaskFileNames& names) {
  in.SkipLines(11);                                                    // heading block, lines 1-11
  names.DATAFILE = in.ReadName("offset tablosunun adi (DATAFILE)");    // 12
  in.SkipLine();
  names.DATADIR = in.ReadName("veri dizini (DATADIR)");                // 14
  in.SkipLine();
  names.REPORTFILE = in.ReadName("rapor dosyasinin adi (REPORTFILE)"); // 16
  in.SkipLine();
  names.OUTDIR = in.ReadName("cikti dizini (OUTDIR)");                 // 18
}

bool InputFile::AtEnd() { return at_ == buffer_.size() && !Fill(); }

void InputFile::Fail(const std::string& what) const {
  StopForDataError(Quoted(name_) + " dosyasi, satir " + std::to_string(line_) + ": " + what);
}

// --------------------------------------------------------------- OutputFile

OutputFile::OutputFile(const std::filesystem::path& path, std::string displayName,
                       const std::vector<ClaimedInput>& inputs)
    : path_(path), name_(ShownPath(displayName)) {
  const auto refuse = [&](const std::string& why) {
    StopForDataError(Quoted(name_) + " dosyasi yazilmadi: " + why + " Bu durumda program calismaz.");
  };
  const auto refuseKind = [&](mode_t mode) {
    refuse("bu ad " + EntryKind(mode) + ", duz bir dosya degil; program ciktilarini yalniz duz dosyalara yazar.");
  };
  // A symbolic link left where an output goes is replaced by the file: the
  // file it points at may be anything, an input of the run included.
  std::error_code ec;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) std::filesystem::remove(path, ec);
  // Opened without following a link and without waiting (a FIFO with no
  // reader is refused at once), and not yet emptied: what the name holds now
  // is checked first, since the questions of the run came after its claim.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int error = errno;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
      refuse("bu adda yeni bir baglanti var; program bir baglantinin gosterdigi dosyaya yazmaz.");
    }
    if (error != ENOENT && ::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) refuseKind(st.st_mode);
    StopForDataError(Quoted(name_) + " dosyasi olusturulamadi (cikti dizini yok ya da yazilamiyor). Bu durumda "
                     "program calismaz.");
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const mode_t mode = st.st_mode;
    ::close(fd);
    refuseKind(mode);
  }
  for (const ClaimedInput& input : inputs) {
    if (input.identity != FileIdentity{st.st_dev, st.st_ino}) continue;
    ::close(fd);
    refuse("bu ad girdi dosyasi \"" + ShownPath(input.name) +
           "\" ile diskte ayni dosya (bir baglanti); program bu dosyanin uzerine yazamaz.");
  }
  // Emptied only now that it is known to be the run's own plain file; the
  // text goes to this very descriptor, whatever the name holds later.
  if (::ftruncate(fd, 0) != 0) {
    ::close(fd);
    StopForDataError(Quoted(name_) + " dosyasi olusturulamadi (cikti dizini yok ya da yazilamiyor). Bu durumda "
                     "program calismaz.");
  }
  fd_ = fd;
  pending_.reserve(kPiece);
}

OutputFile::~OutputFile() { CloseQuietly(); }

void OutputFile::Line(std::string_view text) {
  Put(text);
  Put("\r\n");
}

void OutputFile::Write(std::string_view text) { Put(text); }

void OutputFile::Put(std::string_view text) {
  if (fd_ < 0) return;
  pending_.append(text);
  if (pending_.size() >= kPiece && !WritePending()) StopOnFailedWrite();
}

bool OutputFile::WritePending() noexcept {
  const char* at = pending_.data();
  std::size_t left = pending_.size();
  while (left > 0) {
    const ssize_t n = ::write(fd_, at, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed_ = true;
      break;
    }
    at += n;
    left -= static_cast<std::size_t>(n);
  }
  pending_.clear();
  return !failed_;
}

void OutputFile::Flush() {
  if (fd_ < 0) return;
  if (!WritePending()) StopOnFailedWrite();
}

void OutputFile::Close() {
  CloseQuietly();
  if (failed_) StopOnFailedWrite();
}

void OutputFile::CloseQuietly() noexcept {
  if (fd_ < 0) return;
  (void)WritePending();
  if (::close(fd_) != 0 && errno != EINTR) failed_ = true;
  fd_ = -1;
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
