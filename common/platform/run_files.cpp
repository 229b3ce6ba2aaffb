#include "common/platform/run_files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <climits>
#include <optional>
#include <system_error>

#include "common/platform/file_identity.hpp"
#include "common/platform/picture_folder.hpp"
#include "common/platform/run_stop.hpp"
#include "common/platform/session.hpp"
#include "common/platform/shown_path.hpp"

namespace platform {

std::string PathKey(const std::filesystem::path& p) {
  std::error_code ec;
  std::filesystem::path c = std::filesystem::weakly_canonical(p, ec);
  if (ec) c = p.lexically_normal();
  std::string s = c.lexically_normal().generic_string();
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return s;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ea, eb, ec;
  if (std::filesystem::exists(a, ea) && std::filesystem::exists(b, eb)) {
    const bool same = std::filesystem::equivalent(a, b, ec);
    if (!ec) return same;
  }
  return PathKey(a) == PathKey(b);
}

namespace {

// True when the path of resolved name `k` is the folder of resolved name `f`
// or lies in it.
bool InFolder(const std::string& k, const std::string& f) {
  return k == f || (k.size() > f.size() && k.compare(0, f.size(), f) == 0 && k[f.size()] == '/');
}

// A file of the run as the claim finds it on disk, each looked at once: the
// file its name holds (links followed), whether the name is a symbolic link,
// and its resolved name, made only where a comparison needs it.
struct Place {
  std::filesystem::path path;
  std::optional<FileIdentity> identity;
  bool link = false;
  mutable std::optional<std::string> key;

  explicit Place(std::filesystem::path p) : path(std::move(p)), identity(IdentityOf(path)) {
    struct stat st {};
    link = ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
  }
  const std::string& Key() const {
    if (!key) key = PathKey(path);
    return *key;
  }
};

// SameFile of two places: the same file on disk where both are there, the
// same resolved name otherwise.
bool Same(const Place& a, const Place& b) {
  if (a.identity && b.identity) return *a.identity == *b.identity;
  return a.Key() == b.Key();
}

// Two outputs are one file when writing one would change the other: a
// symbolic link where an output goes is replaced, so it stands for its own
// name only.
bool SameOutput(const Place& a, const Place& b) {
  if (!a.link && !b.link) return Same(a, b);
  return PathKey(a.path.parent_path()) == PathKey(b.path.parent_path()) &&
         PathKey(a.path.filename()) == PathKey(b.path.filename());
}

// The pictures of an earlier run go when this run writes its first one: one
// that is an input or an output of the run under another name (a hard link,
// or a symbolic link to it) is refused like any clash, before anything is
// removed.  Removing it would not touch the file, but the folder is then not
// what the user takes it for.  (A file named in the pictures folder itself
// is refused with the folder.)
void RefuseEarlierPictureClashes(Session& session, const RunFiles& files, const std::vector<Place>& inputs,
                                 const std::vector<Place>& outputs) {
  PictureFolder folder;
  if (!folder.Open(session.ScreensDirectory(), false)) return;
  const std::vector<std::string> pictures = folder.EarlierPictures();
  if (pictures.empty()) return;
  struct Named {
    FileIdentity identity;
    const std::string* name;
    const char* what;
  };
  std::vector<Named> runFiles;
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    if (inputs[k].identity) runFiles.push_back(Named{*inputs[k].identity, &files.inputs[k], "girdi dosyasi"});
  }
  for (std::size_t k = 0; k < outputs.size(); ++k) {
    if (outputs[k].identity) runFiles.push_back(Named{*outputs[k].identity, &files.outputs[k], "cikti dosyasi"});
  }
  for (const std::string& name : pictures) {
    const std::filesystem::path picture = session.ScreensDirectory() / name;
    const auto id = IdentityOf(picture);
    if (!id) continue;
    for (const Named& file : runFiles) {
      if (file.identity != *id) continue;
      StopForDataError("Eski ekran resmi \"" + picture.generic_string() + "\" ile " + file.what + " \"" +
                       ShownPath(*file.name) + "\" diskte ayni dosya (bir baglanti); her calisma eski ekran "
                       "resimlerini siler. Bu resmi ekran resimleri klasorunden kaldirin. Hicbir dosya yazilmadi.");
    }
  }
}

[[noreturn]] void RefuseClash(const std::string& output, const std::string& other, const char* what) {
  StopForDataError("Cikti dosyasi \"" + ShownPath(output) + "\" ile " + what + " \"" + ShownPath(other) +
                   "\" diskte ayni dosya; program bu dosyanin uzerine yazamaz. Dosya adlarini, DATADIR ve OUTDIR "
                   "dizinlerini gorev dosyasinda ayri tutun. Hicbir dosya yazilmadi.");
}

// An output goes into a plain file made anew where a plain file or a link
// (which is replaced) stands; a folder, a FIFO (which would hold the run
// until a reader came), a device (which would swallow the text) or a socket
// at its name is refused, said as what it is; so is a name longer than the
// system holds (a part of it, or the whole path), which no file can take.
void RefuseWhatIsNotAPlainFile(const std::string& output, const std::filesystem::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    if (errno != ENAMETOOLONG) return;
    StopForDataError("Cikti dosyasi \"" + ShownPath(output) + "\" adi sistemin tutabileceginden uzun (bir dosya ya "
                     "da dizin adi en fazla " + std::to_string(NAME_MAX) + " bayt, butun yol en fazla " +
                     std::to_string(PATH_MAX - 1) + " bayt olabilir). Gorev dosyasinda adi ya da OUTDIR 'i "
                     "kisaltin. Hicbir dosya yazilmadi.");
  }
  if (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)) return;
  StopForDataError("Cikti dosyasi \"" + ShownPath(output) + "\" diskte " + EntryKind(st.st_mode) +
                   ", duz bir dosya degil; program ciktilarini yalniz duz dosyalara yazar. Bu adi bosaltin ya da "
                   "gorev dosyasinda OUTDIR 'i degistirin. Hicbir dosya yazilmadi.");
}

// An output is written into the file an earlier run left at its name (a
// link there is replaced instead): that file must be one this user may
// write (asked with the effective user and group, as the opening will be).
void RefuseFileThatCannotBeWritten(const std::string& output, const std::filesystem::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0) return;
  StopForDataError("Cikti dosyasi \"" + ShownPath(output) + "\" diskte var ama bu kullanici ona yazamaz (dosyanin "
                   "yazma izni yok); program onceki calismanin bu dosyasini yenisiyle degistiremez. Dosyanin "
                   "izinlerini duzeltin ya da dosyayi kaldirin. Hicbir dosya yazilmadi.");
}

// The output folder is there, and this user may make files in it (asked of
// the folder itself, by its descriptor: a folder of read-only permissions,
// or on a file system mounted read-only).
void RefuseFolderThatCannotBeWritten(const std::string& output, const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
    StopForDataError("Cikti dosyasi \"" + ShownPath(output) + "\" icin cikti dizini (\"" + folder.generic_string() +
                     "\") yok. Dizini olusturun ya da gorev dosyasinda OUTDIR 'i duzeltin. Hicbir dosya yazilmadi.");
  }
  const bool writable = fd >= 0 && ::faccessat(fd, ".", W_OK | X_OK, 0) == 0;
  if (fd >= 0) ::close(fd);
  if (writable) return;
  StopForDataError("Cikti dosyasi \"" + ShownPath(output) + "\" icin cikti dizinine (\"" + folder.generic_string() +
                   "\") yazilamiyor (yazma izni yok ya da dizin salt okunur). Dizinin izinlerini duzeltin ya da "
                   "gorev dosyasinda OUTDIR 'i degistirin. Hicbir dosya yazilmadi.");
}

}  // namespace

void ClaimRunFiles(Session& session, const RunFiles& files) {
  std::vector<Place> inputs, outputs;
  for (const std::string& i : files.inputs) inputs.emplace_back(session.ResolvePath(i));
  for (const std::string& o : files.outputs) outputs.emplace_back(session.ResolvePath(o));

  for (std::size_t k = 0; k < outputs.size(); ++k) {
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      if (Same(outputs[k], inputs[i])) RefuseClash(files.outputs[k], files.inputs[i], "girdi dosyasi");
    }
    for (std::size_t m = 0; m < k; ++m) {
      if (SameOutput(outputs[k], outputs[m])) RefuseClash(files.outputs[k], files.outputs[m], "cikti dosyasi");
    }
  }
  RefuseEarlierPictureClashes(session, files, inputs, outputs);
  // The pictures folder belongs to the run: it removes the pictures of the
  // run before, and writes its own.
  const std::string screens = PathKey(session.ScreensDirectory());
  const auto refuseInPictures = [&](const Place& place, const std::string& path, const char* what) {
    if (!InFolder(place.Key(), screens)) return;
    StopForDataError(std::string(what) + " \"" + ShownPath(path) + "\" ekran resimleri klasorunde (\"" +
                     session.ScreensDirectory().generic_string() +
                     "\") duruyor; her calisma bu klasordeki resimleri yenisiyle degistirir. Dosyayi baska bir "
                     "klasore tasiyin. Hicbir dosya yazilmadi.");
  };
  for (std::size_t i = 0; i < inputs.size(); ++i) refuseInPictures(inputs[i], files.inputs[i], "Girdi dosyasi");
  for (std::size_t k = 0; k < outputs.size(); ++k) refuseInPictures(outputs[k], files.outputs[k], "Cikti dosyasi");

  // Every input can be read and every output place written before the run
  // asks its first question: an input found missing (the appendage file,
  // read after the reviews), a folder found missing or read-only, a file
  // this user may not write, or a name held by something a file cannot
  // replace, only when the file is opened would stop a run the user has
  // already answered questions of, with the earlier outputs emptied.
  for (const std::string& input : files.inputs) (void)session.OpenInput(input, "Girdi dosyasi");
  for (std::size_t k = 0; k < outputs.size(); ++k) {
    RefuseWhatIsNotAPlainFile(files.outputs[k], outputs[k].path);
    RefuseFolderThatCannotBeWritten(files.outputs[k], outputs[k].path.parent_path());
    RefuseFileThatCannotBeWritten(files.outputs[k], outputs[k].path);
  }

  // What each input is on disk now: the output files are checked against it
  // again when they are opened, after the questions.
  std::vector<ClaimedInput> claimed;
  for (const std::string& input : files.inputs) {
    if (const auto id = IdentityOf(session.ResolvePath(input))) claimed.push_back(ClaimedInput{*id, input});
  }
  session.NoteClaimedInputs(std::move(claimed));

  for (const Place& o : outputs) session.LockFolder(o.path.parent_path());
}

std::string RemoveEarlierScript(Session& session, const std::string& OUTDIR, const std::string& name) {
  const std::filesystem::path path = session.ResolvePath(OUTDIR + name);
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::symlink_status(path, ec);
  if (ec || !std::filesystem::exists(status)) return "";
  if (!std::filesystem::is_regular_file(status) && !std::filesystem::is_symlink(status)) {
    return " Cikti klasorundeki " + name + " bir dosya degil; oldugu gibi birakildi.";
  }
  if (!std::filesystem::remove(path, ec) || ec) {
    return " Onceki bir calismadan kalan " + name + " silinemedi (" + ec.message() +
           "): bu calismanin cizimi degildir.";
  }
  return " Onceki bir calismadan kalan " + name + " silindi.";
}

}  // namespace platform
