#pragma once
// A small reader of the drawing-script dialect, for the tests: it replays a
// script the way AutoCAD takes it line by line and collects what would be
// drawn (polylines, texts, circles, layer changes), noting every line that
// breaks the dialect.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace scripttest {

struct ScriptPoint {
  double x = 0, y = 0;
};

struct Polyline {
  std::string command;  // "line" or "pline"
  std::vector<ScriptPoint> points;
  std::string layer;
  int colour = 0;
  std::string linetype;
  bool fitted = false;     // " pedit l f " or " pedit" ... "f"
  bool endedByEmptyLine = false;
};

struct ScriptText {
  std::string command;  // "text c", "text r", "text"
  ScriptPoint at;
  double angle = 0;
  std::string text;
  std::string height;   // of the style line in force
  std::string layer;
};

struct ScriptCircle {
  ScriptPoint centre;
  double radius = 0;
  std::string layer;
};

struct LayerEvent {
  std::string kind;  // "new", "off", "on"
  std::string name;
  std::string line;
};

struct ParsedScript {
  std::vector<std::string> lines;
  std::vector<Polyline> polylines;
  std::vector<ScriptText> texts;
  std::vector<ScriptCircle> circles;
  std::vector<LayerEvent> layers;
  std::vector<std::string> faults;

  std::vector<const Polyline*> PolylinesOn(const std::string& layer, const std::string& command = "") const {
    std::vector<const Polyline*> found;
    for (const Polyline& p : polylines) {
      if (p.layer == layer && (command.empty() || p.command == command)) found.push_back(&p);
    }
    return found;
  }
  std::vector<const ScriptText*> TextsOn(const std::string& layer) const {
    std::vector<const ScriptText*> found;
    for (const ScriptText& t : texts) {
      if (t.layer == layer) found.push_back(&t);
    }
    return found;
  }
  const ScriptText* FindText(const std::string& text) const {
    for (const ScriptText& t : texts) {
      if (t.text == text) return &t;
    }
    return nullptr;
  }
  std::vector<std::string> LayerSequence() const {
    std::vector<std::string> seq;
    for (const LayerEvent& e : layers) seq.push_back(e.kind + " " + e.name);
    return seq;
  }
};

// A number in write-item form: optional "-", digits without leading zeros,
// a fraction without trailing zeros, never an exponent, "nan" or "inf".
inline bool ParseItemNumber(const std::string& s, double& v) {
  static const std::regex form(R"(^-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?$)");
  if (!std::regex_match(s, form) || s == "-0") return false;
  v = std::stod(s);
  return std::isfinite(v);
}

inline bool ParsePointLine(const std::string& s, ScriptPoint& p) {
  std::size_t comma = s.find(',');
  if (comma == std::string::npos) return false;
  return ParseItemNumber(s.substr(0, comma), p.x) && ParseItemNumber(s.substr(comma + 1), p.y);
}

// Splits the raw file into lines, each of which must end with CR LF.
inline std::vector<std::string> SplitCrLf(const std::string& raw, std::vector<std::string>& faults) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < raw.size()) {
    std::size_t end = raw.find("\r\n", start);
    if (end == std::string::npos) {
      faults.push_back("last line without CR LF");
      lines.push_back(raw.substr(start));
      break;
    }
    std::string line = raw.substr(start, end - start);
    if (line.find_first_of("\r\n") != std::string::npos) faults.push_back("stray line-end character: " + line);
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

inline ParsedScript ReadScript(const std::filesystem::path& path) {
  ParsedScript s;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    s.faults.push_back("cannot open " + path.string());
    return s;
  }
  std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  s.lines = SplitCrLf(raw, s.faults);
  const std::vector<std::string>& L = s.lines;

  static const std::regex ltscale(R"(^ltscale [0-9]+$)");
  static const std::regex colour(R"(^COLOR ([0-9]+)$)");
  static const std::regex frame(R"(^line [-0-9.,]+( [-0-9.,]+)+ C$)");
  static const std::regex style(R"(^style complex complex ([0-9]+\.[0-9]) 1 0 n n n$)");
  static const std::regex newLayer(R"(^(layer new|Layer New) (\S+) (set|Set) (\S+) $)");
  static const std::regex layerOff(R"(^layer off (\S+) y $)");
  static const std::regex layerOn(R"(^layer on (\S+)( +)$)");

  std::set<std::string> existing{"0"};
  std::string layer = "0";
  int currentColour = 0;
  std::string linetype = "bylayer";
  std::string height;  // none yet
  bool lastWasPline = false;

  auto fault = [&](std::size_t i, const std::string& what) {
    s.faults.push_back("line " + std::to_string(i + 1) + " [" + (i < L.size() ? L[i] : std::string("<end>")) +
                       "]: " + what);
  };
  auto point = [&](std::size_t i, ScriptPoint& p) {
    if (i >= L.size() || !ParsePointLine(L[i], p)) {
      fault(i, "point line expected");
      return false;
    }
    return true;
  };
  auto number = [&](std::size_t i, double& v) {
    if (i >= L.size() || !ParseItemNumber(L[i], v)) {
      fault(i, "number line expected");
      return false;
    }
    return true;
  };

  std::size_t i = 0;
  while (i < L.size()) {
    const std::string& line = L[i];
    std::smatch m;
    bool wasPline = false;
    if (line == "line" || line == "pline") {
      Polyline p{line, {}, layer, currentColour, linetype, false, false};
      std::size_t j = i + 1;
      while (j < L.size()) {
        ScriptPoint q;
        if (L[j].empty()) {
          p.endedByEmptyLine = true;
          ++j;
          break;
        }
        if (line == "pline" && L[j][0] == ' ') break;  // a leading blank ends the list
        if (!ParsePointLine(L[j], q)) {
          fault(j, "point list of " + line + " not ended");
          break;
        }
        p.points.push_back(q);
        ++j;
      }
      if (j >= L.size() && !p.endedByEmptyLine) fault(j, "point list runs to the end of the script");
      if (line == "line" && !p.endedByEmptyLine) fault(j, "line not ended by an empty line");
      s.polylines.push_back(p);
      wasPline = line == "pline" && !p.endedByEmptyLine;
      i = j;
      lastWasPline = wasPline;
      continue;
    }
    if (line == " pedit l f ") {
      if (!lastWasPline || s.polylines.empty()) fault(i, "pedit without a polyline in hand");
      else s.polylines.back().fitted = true;
      ++i;
    } else if (line == " pedit") {
      ScriptPoint q;
      if (s.polylines.empty() || s.polylines.back().command != "pline") fault(i, "pedit without a polyline");
      if (i + 3 < L.size() && point(i + 1, q) && L[i + 2] == "f" && L[i + 3].empty()) {
        if (!s.polylines.empty()) s.polylines.back().fitted = true;
      } else {
        fault(i, "pedit pick: point, f, empty line expected");
      }
      i += 4;
    } else if (line == "text c" || line == "text r" || line == "text") {
      ScriptText t;
      t.command = line;
      t.layer = layer;
      t.height = height;
      if (height.empty()) fault(i, "text without a style line before it");
      if (point(i + 1, t.at) && number(i + 2, t.angle) && i + 3 < L.size()) t.text = L[i + 3];
      else fault(i, "text operands");
      s.texts.push_back(t);
      i += 4;
    } else if (line == "Circle") {
      ScriptCircle c;
      c.layer = layer;
      if (!(point(i + 1, c.centre) && number(i + 2, c.radius))) fault(i, "circle operands");
      s.circles.push_back(c);
      i += 3;
    } else if (std::regex_match(line, m, style)) {
      height = m[1];
      ++i;
    } else if (std::regex_match(line, m, colour)) {
      currentColour = std::stoi(m[1]);
      ++i;
    } else if (line == "linetype s dot") {
      linetype = "dot";
      if (i + 1 >= L.size() || !L[i + 1].empty()) fault(i, "linetype dialogue not ended by an empty line");
      i += 2;
    } else if (line == "linetype s dot " || line == "linetype s dashed " || line == "linetype s bylayer ") {
      linetype = line.substr(11, line.size() - 12);
      ++i;
    } else if (std::regex_match(line, m, newLayer)) {
      if (m[2] != m[4]) fault(i, "layer created under one name and set under another");
      if (existing.count(m[2])) fault(i, "layer created twice");
      existing.insert(m[2]);
      layer = m[2];
      s.layers.push_back({"new", m[2], line});
      ++i;
    } else if (std::regex_match(line, m, layerOff)) {
      if (!existing.count(m[1])) fault(i, "layer switched off before it was created");
      s.layers.push_back({"off", m[1], line});
      ++i;
    } else if (std::regex_match(line, m, layerOn)) {
      if (!existing.count(m[1])) fault(i, "layer switched on before it was created");
      s.layers.push_back({"on", m[1], line});
      ++i;
    } else if (std::regex_match(line, ltscale) || line == "Osmode 0" || line == "Snap off" ||
               line.rfind("erase w ", 0) == 0 || line == " regenauto off" || std::regex_match(line, frame)) {
      ++i;
    } else if (line == "REDRAW ") {
      if (i + 1 != L.size()) fault(i, "REDRAW before the end of the script");
      ++i;
    } else {
      fault(i, "not a line of the dialect");
      ++i;
    }
    lastWasPline = false;
  }
  if (L.empty() || L.back() != "REDRAW ") s.faults.push_back("last line is not REDRAW");
  return s;
}

inline std::string Faults(const ParsedScript& s) {
  std::ostringstream o;
  for (const std::string& f : s.faults) o << f << "\n";
  return o.str();
}

}  // namespace scripttest
