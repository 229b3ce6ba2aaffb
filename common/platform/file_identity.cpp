#include "common/platform/file_identity.hpp"

#include <sys/stat.h>

namespace platform {

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

}  // namespace platform
