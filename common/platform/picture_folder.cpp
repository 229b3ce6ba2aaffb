#include "common/platform/picture_folder.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

bool FileOrLink(const struct stat& st) { return S_ISREG(st.st_mode) || S_ISLNK(st.st_mode); }

bool PictureName(std::string_view name) { return name.size() > 4 && name.ends_with(".svg"); }

// A picture is written under a hidden name of its own and takes its name
// once it is whole; one a run that was killed left behind is a picture of it.
constexpr std::string_view kTemporaryEnd = ".svg.tmp";
std::string TemporaryName(const std::string& name) { return "." + name + ".tmp"; }
bool TemporaryPictureName(std::string_view name) {
  return name.size() > kTemporaryEnd.size() + 1 && name.front() == '.' && name.ends_with(kTemporaryEnd);
}

// Writes both parts whole, in as few calls as the system allows.
bool WriteParts(int fd, std::string_view head, std::string_view body) {
  iovec parts[2] = {{const_cast<char*>(head.data()), head.size()}, {const_cast<char*>(body.data()), body.size()}};
  iovec* part = parts;
  int count = 2;
  while (count > 0) {
    if (part->iov_len == 0) {
      ++part;
      --count;
      continue;
    }
    const ssize_t n = ::writev(fd, part, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    // Past what was written: whole parts, then into the next one.
    auto left = static_cast<std::size_t>(n);
    while (count > 0 && left >= part->iov_len) {
      left -= part->iov_len;
      ++part;
      --count;
    }
    if (count > 0) {
      part->iov_base = static_cast<char*>(part->iov_base) + left;
      part->iov_len -= left;
    }
  }
  return true;
}

}  // namespace

PictureFolder::~PictureFolder() {
  if (fd_ >= 0) ::close(fd_);
}

bool PictureFolder::Open(const std::filesystem::path& folder, bool make) {
  if (fd_ >= 0) return true;
  constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
  fd_ = ::open(folder.c_str(), kFlags);
  if (fd_ < 0 && errno == ENOENT && make) {
    if (::mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST) fd_ = ::open(folder.c_str(), kFlags);
  }
  return fd_ >= 0;
}

std::vector<std::string> PictureFolder::EarlierPictures() const {
  std::vector<std::string> names;
  if (fd_ < 0) return names;
  // A description of its own for the listing: the folder's stays at its start.
  const int listing = ::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return names;
  DIR* dir = ::fdopendir(listing);
  if (dir == nullptr) {
    ::close(listing);
    return names;
  }
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    struct stat st {};
    if (!PictureName(name) && !TemporaryPictureName(name)) continue;
    if (::fstatat(fd_, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (FileOrLink(st)) names.emplace_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

void PictureFolder::RemoveEarlierPictures() const {
  for (const std::string& name : EarlierPictures()) (void)RemoveName(name);
}

bool PictureFolder::RemoveName(const std::string& name) const {
  struct stat st {};
  if (::fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
  if (!FileOrLink(st)) return false;
  return ::unlinkat(fd_, name.c_str(), 0) == 0 || errno == ENOENT;
}

bool PictureFolder::Write(const std::string& name, std::string_view head, std::string_view body) const {
  if (fd_ < 0) return false;
  // Written whole under a hidden name first: however the run ends (killed
  // while writing, a full disk), no picture under its own name is cut short.
  // Made anew, never opened through a link or over a file already there.
  const std::string temporary = TemporaryName(name);
  constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  int fd = ::openat(fd_, temporary.c_str(), kFlags, 0666);
  if (fd < 0 && errno == EEXIST && RemoveName(temporary)) fd = ::openat(fd_, temporary.c_str(), kFlags, 0666);
  if (fd < 0) return false;
  bool whole = WriteParts(fd, head, body);
  if (::close(fd) != 0) whole = false;
  // The rename replaces a file or a link at the picture's name (the entry
  // itself, never what a link points at); anything else there stays, and
  // the picture is not written.
  struct stat st {};
  if (whole && ::fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !FileOrLink(st)) whole = false;
  if (whole && ::renameat(fd_, temporary.c_str(), fd_, name.c_str()) != 0) whole = false;
  // A picture cut short (a full disk) would show less than the form did.
  if (!whole) ::unlinkat(fd_, temporary.c_str(), 0);
  return whole;
}

}  // namespace platform
