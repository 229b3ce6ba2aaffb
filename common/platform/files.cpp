#include "common/platform/files.hpp"

#include <cstdio>
#include <utility>

#include "common/platform/numtext.hpp"
#include "common/platform/session.hpp"

namespace platform {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

}  // namespace

// ---------------------------------------------------------------- InputFile

InputFile::InputFile(const std::filesystem::path& path, std::string displayName)
    : in_(path, std::ios::in | std::ios::binary), name_(std::move(displayName)) {
  if (!in_.is_open()) {
    StopForDataError(Quoted(name_) + " dosyasi acilamadi (dosya yok ya da okunamiyor). Bu durumda program calismaz.");
  }
}

std::string InputFile::ReadLine() {
  std::string line;
  if (!std::getline(in_, line)) {
    ++line_;
    Fail("dosya beklenmeden bitti, bir satir daha bekleniyordu");
  }
  ++line_;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  // A byte-order mark written by some editors in front of the first line.
  if (line_ == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
  return line;
}

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
    : out_(path, std::ios::out | std::ios::binary | std::ios::trunc), path_(path), name_(std::move(displayName)) {
  if (!out_.is_open()) {
    StopForDataError(Quoted(name_) + " dosyasi olusturulamadi (cikti dizini yok ya da yazilamiyor). Bu durumda "
                     "program calismaz.");
  }
}

void OutputFile::Line(const std::string& text) {
  out_ << text << "\r\n";
}

void OutputFile::Write(const std::string& text) { out_ << text; }

void OutputFile::Flush() {
  if (out_.is_open()) out_.flush();
}

void OutputFile::Close() {
  if (!out_.is_open()) return;
  out_.flush();
  if (out_.fail()) failed_ = true;
  out_.close();
  if (out_.fail()) failed_ = true;
}

}  // namespace platform
