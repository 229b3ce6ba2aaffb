#include "common/platform/output_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "common/platform/run_stop.hpp"
#include "common/platform/shown_path.hpp"

namespace platform {

OutputFile::OutputFile(const std::filesystem::path& path, std::string displayName,
                       const std::vector<ClaimedInput>& inputs, const std::vector<ClaimedInput>& outputs)
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
  // reader is refused at once), and not emptied: what the name holds now is
  // checked first, since the questions of the run came after its claim, and
  // a file of an earlier run stays as it was until this run writes its text.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int error = errno;
    struct stat st {};
    const bool there = ::lstat(path.c_str(), &st) == 0;
    if (there && S_ISLNK(st.st_mode)) {
      refuse("bu adda yeni bir baglanti var; program bir baglantinin gosterdigi dosyaya yazmaz.");
    }
    if (error != ENOENT && there && !S_ISREG(st.st_mode)) refuseKind(st.st_mode);
    if (error == EACCES || error == EPERM) {
      refuse(there ? "dosya var ama bu kullanici ona yazamaz (yazma izni yok)."
                   : "cikti dizinine yazma izni yok.");
    }
    if (error == EROFS) refuse("cikti dizini salt okunur bir dosya sisteminde.");
    if (error == ENAMETOOLONG) refuse("ad sistemin tutabileceginden uzun.");
    StopForDataError(Quoted(name_) + " dosyasi olusturulamadi (cikti dizini yok ya da yazilamiyor). Bu durumda "
                     "program calismaz.");
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const mode_t mode = st.st_mode;
    ::close(fd);
    refuseKind(mode);
  }
  identity_ = FileIdentity{st.st_dev, st.st_ino};
  const auto refuseSame = [&](const std::vector<ClaimedInput>& files, const char* what) {
    for (const ClaimedInput& file : files) {
      if (file.identity != identity_) continue;
      ::close(fd);
      refuse("bu ad " + std::string(what) + " \"" + ShownPath(file.name) +
             "\" ile diskte ayni dosya (bir baglanti); program bu dosyanin uzerine yazamaz.");
    }
  };
  refuseSame(inputs, "girdi dosyasi");
  refuseSame(outputs, "bu calismanin cikti dosyasi");
  // The text goes to this very descriptor, whatever the name holds later.
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

bool OutputFile::EmptyOnce() noexcept {
  if (emptied_) return true;
  emptied_ = true;
  if (::ftruncate(fd_, 0) != 0) failed_ = true;
  return !failed_;
}

bool OutputFile::WritePending() noexcept {
  if (pending_.empty()) return !failed_;
  if (!EmptyOnce()) {
    pending_.clear();
    return false;
  }
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
  CloseQuietly(true);
  if (failed_) StopOnFailedWrite();
}

void OutputFile::CloseQuietly(bool runComplete) noexcept {
  if (fd_ < 0) return;
  (void)WritePending();
  if (runComplete) (void)EmptyOnce();
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
