#pragma once
// The pictures folder of a run ("screens" in the working directory) on disk.
// It is opened once and never through a symbolic link, every picture is a
// file made for it in that folder, and what the run removes there it removes
// by name: a link goes, never the file it points at.  So no picture is ever
// written into a file of the user's, whatever the folder holds.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class PictureFolder {
 public:
  PictureFolder() = default;
  ~PictureFolder();
  PictureFolder(const PictureFolder&) = delete;
  PictureFolder& operator=(const PictureFolder&) = delete;

  // Opens the folder, made first when `make` is set and it is missing.  False
  // when there is no folder of its own there: nothing, a file, or a symbolic
  // link (not followed, wherever it points).
  bool Open(const std::filesystem::path& folder, bool make);

  // The pictures an earlier run left, by name, sorted: every "*.svg" entry
  // that is a file or a symbolic link, and every hidden picture it was
  // writing when it ended (".*.svg.tmp").  Entries of any other kind are not
  // pictures and stay where they are.
  std::vector<std::string> EarlierPictures() const;
  // Removes them (see RemoveName).
  void RemoveEarlierPictures() const;
  // Writes a picture, head then body, into a file made anew under a hidden
  // name, and gives it the name `name` once it is whole (a file or link of
  // that name is replaced).  So a picture under its name is always whole,
  // even when the process is killed while writing it.  A picture that cannot
  // be written whole (a full disk) is removed again: false then.
  bool Write(const std::string& name, std::string_view head, std::string_view body) const;

 private:
  // Removes the entry `name` when it is a file or a symbolic link (the link
  // itself); anything else is left.  True when it is gone.
  bool RemoveName(const std::string& name) const;

  int fd_ = -1;
};

}  // namespace platform
