#pragma once
// Files as they are on disk: which file a name holds, and what an entry
// that is not a plain file is.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

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

}  // namespace platform
