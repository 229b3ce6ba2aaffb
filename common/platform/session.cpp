#include "common/platform/session.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iostream>
#include <istream>
#include <ostream>
#include <system_error>

#include "common/platform/blanks.hpp"
#include "common/platform/errors.hpp"
#include "common/platform/shown_path.hpp"

namespace platform {


namespace {

// Form names made safe for a file name.
std::string FileNamePart(const std::string& name) {
  std::string s;
  for (char c : name) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                       c == '-';
    s += plain ? c : '_';
  }
  return s.empty() ? "form" : s;
}

bool AllBlanks(const std::string& s) { return TrimBlanks(s).empty(); }


}  // namespace

Session::Session(std::istream& in, std::ostream& out, std::ostream& err, std::filesystem::path workingDirectory)
    : in_(in), out_(out), err_(err), workingDirectory_(std::move(workingDirectory)) {}

Session::~Session() {
  for (auto& f : outputs_) f->CloseQuietly();
  ReleaseFolders();
}

void Session::LockFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat here {};
  if (::fstat(fd, &here) == 0) {
    for (int held : folderLocks_) {
      struct stat other {};
      if (::fstat(held, &other) == 0 && other.st_dev == here.st_dev && other.st_ino == here.st_ino) {
        ::close(fd);  // this run holds it already
        return;
      }
    }
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK) return;  // a file system without locks: the run goes on unguarded
    StopForDataError("\"" + folder.generic_string() +
                     "\" klasorunde baska bir program calismasi suruyor. Ayni klasorde iki calisma birbirinin "
                     "dosyalarini ve ekran resimlerini bozar; oteki calisma bitince tekrar deneyin.");
  }
  folderLocks_.push_back(fd);
}

void Session::ReleaseFolders() noexcept {
  for (int fd : folderLocks_) ::close(fd);
  folderLocks_.clear();
}

std::string Session::TaskDirectory() const { return workingDirectory_.string() + "\\"; }

std::filesystem::path Session::ResolvePath(const std::string& programPath) const {
  if (programPath.find('\0') != std::string::npos) {
    StopForDataError("Dosya adi \"" + ShownPath(programPath) +
                     "\" bir NUL karakteri tasiyor; sistem adi bu karakterde keser ve baska bir dosyaya yazar ya da "
                     "baska bir dosyayi okur. Bu durumda program calismaz.");
  }
  // The working directory is a name of this machine, which may hold a "\"
  // of its own: only what the task file adds behind TaskDirectory is taken
  // with "\" separators.
  const std::string task = TaskDirectory();
  const bool inTaskDirectory = programPath.compare(0, task.size(), task) == 0;
  std::string s = inTaskDirectory ? programPath.substr(task.size()) : programPath;
  std::replace(s.begin(), s.end(), '\\', '/');
  std::filesystem::path p(s);
  if (inTaskDirectory || p.is_relative()) p = workingDirectory_ / p;
  return p.lexically_normal();
}

std::string Session::InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
  // What the run has written so far is on disk while the user answers; a
  // full disk is said now, not after further questions.
  FlushOutputs();
  // Someone may be answering while looking at the pictures: they are on disk
  // first.
  const std::size_t before = screenFiles_.size();
  WriteScreens();
  out_ << "\n";
  if (!AllBlanks(title)) out_ << "== " << title << " ==\n";
  for (std::size_t i = before; i < screenFiles_.size(); ++i) {
    out_ << "(picture: " << screenFiles_[i].lexically_relative(workingDirectory_).generic_string() << ")\n";
  }
  out_ << prompt << "\n[default: " << defaultText << "] > " << std::flush;

  std::string line;
  if (!std::getline(in_, line)) {
    // End of input: the box is closed as it was pre-filled.
    inputEnded_ = true;
    out_ << "\n" << std::flush;
    return defaultText;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.empty()) return defaultText;
  return line;
}

void Session::MessageBox(const std::string& prompt, const std::string& title) {
  err_ << "\n";
  if (!AllBlanks(title)) err_ << "*** " << title << " ***\n";
  err_ << prompt << "\n" << std::flush;
}

ConsoleForm& Session::Form(const std::string& name, const std::string& caption, double leftTwips, double topTwips,
                           double widthTwips, double heightTwips) {
  for (auto& f : forms_) {
    if (f->Name() == name) return *f;
  }
  forms_.push_back(std::make_unique<ConsoleForm>(*this, name, caption, leftTwips, topTwips, widthTwips, heightTwips));
  return *forms_.back();
}

OutputFile& Session::CreateOutput(const std::string& programPath) {
  const std::filesystem::path path = ResolvePath(programPath);
  // A file created again replaces the earlier one: close the earlier stream
  // first so that its buffer cannot overwrite the new content later.
  // No output of the run is ever written into another one: a name made a
  // hard link to an output opened before (while the run was asking its
  // questions) is refused at its opening.  An earlier output counts while
  // its own name still holds its file.
  std::vector<ClaimedInput> opened;
  for (auto& f : outputs_) {
    if (f->IsOpen() && f->Path() == path) f->Close();
    if (f->Path() != path && IdentityOf(f->Path()) == f->Identity()) {
      opened.push_back(ClaimedInput{f->Identity(), f->DisplayName()});
    }
  }
  outputs_.push_back(std::make_unique<OutputFile>(path, programPath, claimedInputs_, opened));
  return *outputs_.back();
}

InputFile Session::OpenInput(const std::string& programPath) const {
  return InputFile(ResolvePath(programPath), programPath);
}

InputFile Session::OpenInput(const std::string& programPath, const std::string& kind) const {
  try {
    return OpenInput(programPath);
  } catch (const RunStop& stop) {
    if (stop.Status() != ExitStatus::kDataError) throw;
    std::error_code ec;
    if (std::filesystem::exists(ResolvePath(programPath), ec)) StopForDataError(kind + " " + stop.what());
    StopForDataError(kind + " \"" + ShownPath(programPath) +
                     "\" acilamadi (dosya yok ya da okunamiyor). Bu durumda program calismaz.");
  }
}

void Session::WriteScreens() {
  if (picturesFailed_) return;
  for (const auto& form : forms_) {
    if (!form->Visible()) continue;
    auto last = std::find_if(pictured_.begin(), pictured_.end(),
                             [&](const auto& entry) { return entry.first == form.get(); });
    if (last != pictured_.end() && last->second == form->Revision()) continue;

    // The pictures of an earlier run would mix with this run's numbering.
    if (!picturesStarted_ && screens_.Open(ScreensDirectory(), true)) screens_.RemoveEarlierPictures();
    picturesStarted_ = true;
    // "0001-Form1.svg": the picture's number in four digits at least.
    std::string name = std::to_string(screenCounter_ + 1);
    if (name.size() < 4) name.insert(0, 4 - name.size(), '0');
    name += "-" + FileNamePart(form->Name()) + ".svg";
    std::string head, body;
    form->RenderSvg(head, body);
    if (!screens_.Write(name, head, body)) {
      FailPictures();
      return;
    }
    ++screenCounter_;
    screenFiles_.push_back(ScreensDirectory() / name);
    if (last != pictured_.end()) {
      last->second = form->Revision();
    } else {
      pictured_.emplace_back(form.get(), form->Revision());
    }
  }
}

void Session::FailPictures() {
  // The pictures are a view for the user only: the run goes on without
  // them, and says so once.
  picturesFailed_ = true;
  err_ << "Ekran resimleri \"" << ScreensDirectory().generic_string()
       << "\" klasorune yazilamiyor; calisma ekran resimleri olmadan devam ediyor.\n";
}

void Session::FlushOutputs() {
  for (auto& f : outputs_) f->Flush();
}

void Session::Finish(bool runComplete) {
  for (auto& f : outputs_) {
    f->CloseQuietly(runComplete);
    if (f->WriteFailed() && !f->FailureReported()) {
      f->MarkFailureReported();
      err_ << f->FailedWriteMessage() << "\n";
    }
  }
  try {
    WriteScreens();
  } catch (...) {
  }
  ReleaseFolders();
  out_ << std::flush;
  err_ << std::flush;
}

bool Session::OutputFailed() const {
  for (const auto& f : outputs_) {
    if (f->WriteFailed()) return true;
  }
  return false;
}

}  // namespace platform
