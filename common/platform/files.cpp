#include "common/platform/files.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>
#include <utility>

#include "common/platform/numtext.hpp"
#include "common/platform/session.hpp"

namespace platform {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

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

InputFile::InputFile(const std::filesystem::path& path, std::string displayName)
    : in_(path, std::ios::in | std::ios::binary), name_(ShownPath(displayName)) {
  if (!in_.is_open()) {
    StopForDataError(Quoted(name_) + " dosyasi acilamadi (dosya yok ya da okunamiyor). Bu durumda program calismaz.");
  }
}

const std::string& InputFile::NextLine() {
  std::string& line = current_;
  if (!std::getline(in_, line)) {
    ++line_;
    Fail("dosya beklenmeden bitti, bir satir daha bekleniyordu");
  }
  ++line_;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  // Lines ended by a carriage return alone (an old Macintosh text file) would
  // read as one long line.
  if (line.find('\r') != std::string::npos) {
    Fail("satir sonlari yalniz CR (satir basi) karakteri; dosyanin satirlari CR LF ya da LF ile bitmelidir. "
         "Dosyayi bir metin duzenleyicisinde CR LF ya da LF satir sonlariyla kaydedin.");
  }
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

std::vector<double> InputFile::ReadNumberList(int count, std::vector<int>* lines) {
  std::vector<double> list;
  if (lines) lines->clear();
  while (static_cast<int>(list.size()) < count) {
    const std::string line = ReadLine();
    std::vector<double> values;
    std::string problem;
    if (!ParseNumberItems(line, values, problem)) Fail(problem);
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

bool InputFile::AtEnd() { return in_.peek() == std::char_traits<char>::eof(); }

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
