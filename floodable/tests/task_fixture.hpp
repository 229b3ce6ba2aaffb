#pragma once
// Task files of the floodable-length tests: the layout of "Dolvenika_Tez.TSK"
// with its label lines, written from values (counts as text, so that a test
// can write a count that is not what the lines below it hold).

#include <string>
#include <vector>

#include "box_fixture.hpp"
#include "common/platform/numtext.hpp"

namespace flood::boxtest {

struct TaskText {
  std::string offsetFile = "BOX.DAT";
  std::string outputDirectory;
  std::string length = "80";
  std::vector<Drafts> lines = BoxTrimLines();
  std::string trimCount;  // empty: the number of lines
  Drafts load{kLoadDraft, kLoadDraft};
  std::vector<Zone> zones{{0, kLength, 60}};
  std::string zoneCount;  // empty: the number of zones
  std::vector<double> bulkheads;
  std::string bulkheadCount;  // empty: the number of bulkheads
};

inline std::string Num(double v) { return platform::WriteItemNumber(v); }

inline std::string TaskFileText(const TaskText& t) {
  std::vector<std::string> l = {
      "DOLVENIKA_TEZ - YARALI BOLME BOYU HESABI - GOREV DOSYASI",
      "deneme", "", "", "", "", "", "", "", "", "",
      "OffsetFileName: offset tablosu dosyasi",  // 12
      t.offsetFile,                              // 13
      "RunTitle:", "",
      "kutu",                                    // 16
      "OutputDirectory:",
      t.outputDirectory,                         // 18
      "L:",
      t.length,                                  // 20
      "Trim hatlari:", "nTrim:",
      t.trimCount.empty() ? std::to_string(t.lines.size()) : t.trimCount,  // 23
      "kic draft, bas draft", "", "",
  };
  for (const Drafts& d : t.lines) l.push_back(Num(d.aft) + ", " + Num(d.fore));
  l.push_back("yuk su hatti:");
  l.push_back(Num(t.load.aft) + ", " + Num(t.load.fore));
  l.push_back("nPerm:");
  l.push_back(t.zoneCount.empty() ? std::to_string(t.zones.size()) : t.zoneCount);
  l.push_back("bolge basi, bolge sonu, permeabilite (%)");
  for (const Zone& z : t.zones) l.push_back(Num(z.start) + ", " + Num(z.end) + ", " + Num(z.mu));
  for (int k = 0; k < 4; ++k) l.push_back("perdeler:");
  l.push_back(t.bulkheadCount.empty() ? std::to_string(t.bulkheads.size()) : t.bulkheadCount);
  l.push_back("perde yerleri (m):");
  l.push_back("");
  for (const double q : t.bulkheads) l.push_back(Num(q));
  std::string text;
  for (const std::string& line : l) text += line + "\r\n";
  return text;
}

}  // namespace flood::boxtest
