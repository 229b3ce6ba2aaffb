#pragma once
// A small reader of the drawing-script dialect, for the tests of the three
// programs: it replays a script the way AutoCAD takes it line by line and
// collects what would be drawn (polylines, texts, circles, hatches, layer
// changes), noting every line that breaks the dialect.  It knows every line
// form the programs write: colour words "COLOR", "color" and "Color" with the
// number on the same line or ("Color") on the next, layer commands on one
// line or one item per line, "circle" and "Circle", "line", "pline" and
// "Pline", the polyline endings (" pedit l f ", " pedit" with " l" or with a
// point and "f"), "C"/"c" closing a line, and both text-style lines.

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
  std::string command;  // "line", "pline" or "Pline"
  std::vector<ScriptPoint> points;
  std::string layer;
  int colour = 0;
  std::string linetype;
  bool fitted = false;     // " pedit l f " or " pedit" ... "f"
  bool endedByEmptyLine = false;
  bool closed = false;     // a line ended by "C" or "c"
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

struct ScriptHatch {
  std::string pattern;  // "angle"
  double scale = 0, angle = 0;
  std::vector<ScriptPoint> points;
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
  std::vector<ScriptHatch> hatches;
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

// What a script of a program must end with.
struct ReadOptions {
  bool redrawAtEnd = true;  // "REDRAW " as its last line (the hydrostatics and body-plan scripts)
};

inline ParsedScript ReadScript(const std::filesystem::path& path, const ReadOptions& options = ReadOptions{}) {
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
  static const std::regex colour(R"(^(COLOR|color|Color) ([0-9]+)$)");
  static const std::regex frame(R"(^line [-0-9.,]+( [-0-9.,]+)+ C$)");
  static const std::regex style(R"(^style complex (complex )?( )?([0-9]+\.[0-9]) 1 0 n n n$)");
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
    if (line == "line" || line == "pline" || line == "Pline") {
      const bool poly = line != "line";
      Polyline p{line, {}, layer, currentColour, linetype, false, false, false};
      std::size_t j = i + 1;
      while (j < L.size()) {
        ScriptPoint q;
        if (L[j].empty()) {
          p.endedByEmptyLine = true;
          ++j;
          break;
        }
        if (!poly && (L[j] == "C" || L[j] == "c")) {
          p.closed = true;
          ++j;
          break;
        }
        if (poly && L[j][0] == ' ') break;  // a leading blank ends the list
        if (!ParsePointLine(L[j], q)) {
          fault(j, "point list of " + line + " not ended");
          break;
        }
        p.points.push_back(q);
        ++j;
      }
      if (j >= L.size() && !p.endedByEmptyLine) fault(j, "point list runs to the end of the script");
      if (!poly && !p.endedByEmptyLine && !p.closed) fault(j, "line not ended by an empty line or C");
      s.polylines.push_back(p);
      wasPline = poly && !p.endedByEmptyLine;
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
      if (!lastWasPline || s.polylines.empty()) fault(i, "pedit without a polyline in hand");
      if (i + 2 < L.size() && L[i + 1] == " l" && L[i + 2].empty()) {
        i += 3;  // the polyline ended as it stands
      } else if (i + 3 < L.size() && point(i + 1, q) && L[i + 2] == "f" && L[i + 3].empty()) {
        if (!s.polylines.empty()) s.polylines.back().fitted = true;
        i += 4;
      } else {
        fault(i, "pedit: \" l\" and an empty line, or a point, f and an empty line expected");
        i += 1;
      }
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
    } else if (line == "Circle" || line == "circle") {
      ScriptCircle c;
      c.layer = layer;
      if (!(point(i + 1, c.centre) && number(i + 2, c.radius))) fault(i, "circle operands");
      s.circles.push_back(c);
      i += 3;
    } else if (line == "hatch") {
      ScriptHatch h;
      h.layer = layer;
      std::size_t j = i + 1;
      if (j + 2 < L.size() && L[j] == "angle" && number(j + 1, h.scale) && number(j + 2, h.angle)) {
        h.pattern = L[j];
        j += 3;
        ScriptPoint q;
        while (j < L.size() && !L[j].empty() && ParsePointLine(L[j], q)) {
          h.points.push_back(q);
          ++j;
        }
        if (j >= L.size() || !L[j].empty()) fault(j, "hatch points not ended by an empty line");
        ++j;
      } else {
        fault(i, "hatch: angle, scale, angle and points expected");
        j = i + 1;
      }
      s.hatches.push_back(h);
      i = j;
    } else if (std::regex_match(line, m, style)) {
      height = m[3];
      ++i;
    } else if (std::regex_match(line, m, colour)) {
      currentColour = std::stoi(m[2]);
      ++i;
    } else if (line == "Color") {
      double v = 0;
      if (number(i + 1, v)) currentColour = static_cast<int>(v);
      i += 2;
    } else if (line == "layer new" || line == "layer off" || line == "layer on") {
      // One item per line: "layer new", L, "set", L, empty line; "layer off",
      // L, "y", empty line; "layer on", L, empty line.
      const std::string kind = line.substr(6);
      const std::size_t items = kind == "new" ? 5 : kind == "off" ? 4 : 3;
      if (i + items - 1 >= L.size()) {
        fault(i, "layer command cut short");
        i = L.size();
        continue;
      }
      const std::string name = L[i + 1];
      bool sound = !name.empty() && L[i + items - 1].empty();
      if (kind == "new") sound = sound && L[i + 2] == "set" && L[i + 3] == name;
      if (kind == "off") sound = sound && L[i + 2] == "y";
      if (!sound) fault(i, "layer command items");
      if (kind == "new") {
        if (existing.count(name)) fault(i, "layer created twice");
        existing.insert(name);
        layer = name;
      } else if (!existing.count(name)) {
        fault(i, "layer switched " + kind + " before it was created");
      }
      s.layers.push_back({kind, name, line});
      i += items;
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
               line.rfind("erase w ", 0) == 0 || line == " regenauto off" || line == "regenauto off" ||
               line == "limits 0,0 285,198" || line == "zoom a layer set 0 " || std::regex_match(line, frame)) {
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
  if (options.redrawAtEnd && (L.empty() || L.back() != "REDRAW ")) s.faults.push_back("last line is not REDRAW");
  return s;
}

inline std::string Faults(const ParsedScript& s) {
  std::ostringstream o;
  for (const std::string& f : s.faults) o << f << "\n";
  return o.str();
}

}  // namespace scripttest
