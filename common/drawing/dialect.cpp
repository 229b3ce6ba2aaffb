// The drawing-script dialect: line forms and the program's set-up data.
#include "common/drawing/dialect.hpp"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string_view>

#include "common/platform/blanks.hpp"
#include "common/platform/finite_output.hpp"
#include "common/platform/number_format.hpp"
#include "common/platform/output_file.hpp"

namespace drawing {

namespace {

bool TrimBlanksEmpty(const std::string& text) { return platform::TrimBlanks(text).empty(); }

const std::vector<std::string> kKormelantA4{
    "ltscale 10",
    "Osmode 0",
    "Snap off",
    "erase w 0,0 500,500  limits 0,0 285,198 grid 10 zoom a layer set 0",
    " regenauto off",
    "COLOR 4",
    "line 10,10 275,10 275,188 10,188 C",
};

const std::vector<std::string> kKormelantA0{
    "ltscale 30",
    "Osmode 0",
    "Snap off",
    "erase w -50,-50 1050,750  limits -50,-50 1050,750 grid 50 zoom a layer set 0",
    " regenauto off",
    "COLOR 4",
    "line 10,10 990,10 990,690 10,690 C",
};

}  // namespace

const Dialect& KormelantCurvesDialect() {
  static const Dialect d{kKormelantA4, kKormelantA0, kStyleComplexFont, kColourUpperCase, kLayerLowerCase, "Circle"};
  return d;
}

const Dialect& KormelantHullDialect() {
  static const Dialect d{kKormelantA4, kKormelantA0, kStyleComplexFont, kColourUpperCase, kLayerCapitals, "Circle"};
  return d;
}

const Dialect& PendrovixCurvesDialect() {
  static const Dialect d{{"ltscale 10", "erase w 0,0 500,500  limits 0,0 285,198 grid 10 zoom a layer set 0",
                          " regenauto off", "color 4", "line 10,10 275,10 275,188 10,188 C"},
                         {},
                         kStyleComplexNoFont,
                         kColourLowerCase,
                         kLayerLowerCase,
                         "circle"};
  return d;
}

const Dialect& PendrovixBodyPlanDialect() {
  static const Dialect d{{"erase w 0,0 500,500  limits 0,0 285,198 grid 10 zoom a layer set 0", " regenauto off",
                          "COLOR 4", "line 10,10 275,10 275,188 10,188 C"},
                         {},
                         kStyleComplexFont,
                         kColourUpperCase,
                         kLayerCapitals,
                         "Circle"};
  return d;
}

const Dialect& DolvenikaDialect() {
  static const Dialect d{{"ltscale 10", "erase w 0,0 500,500 ", "limits 0,0 285,198", "zoom a layer set 0 ",
                          "regenauto off", "color 4", "line 10,10 275,10 275,188 10,188 C"},
                         {},
                         kStyleComplexNoFont,
                         kColourCapital,
                         kLayerLowerCase,
                         "Circle"};
  return d;
}

std::string StyleHeightText(double height) {
  if (!std::isfinite(height)) throw std::invalid_argument("text height is not a finite number");
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, height, std::chars_format::fixed, 1);
  std::string text(buffer, result.ptr);
  if (text == "-0.0") text = "0.0";
  return text;
}

ScriptWriter::ScriptWriter(platform::OutputFile& file, const Dialect& dialect) : file_(file), dialect_(dialect) {}

void ScriptWriter::Command(const std::string& text) {
  file_.Line(text);
  if (!TrimBlanksEmpty(text)) command_ = text;
}

void ScriptWriter::Point(double x, double y) {
  // A number that is not finite stops the run with a message naming it.
  if (!std::isfinite(x)) platform::RequireFiniteOutput(file_.DisplayName(), Quantity("noktasinin x koordinati"), x);
  if (!std::isfinite(y)) platform::RequireFiniteOutput(file_.DisplayName(), Quantity("noktasinin y koordinati"), y);
  // Equal numbers have equal texts (0 and -0 both "0").
  if (point_.text.empty() || x != point_.x || y != point_.y) {
    char text[2 * platform::kItemNumberRoom + 1];
    char* end = platform::WriteItemNumberTo(text, x);
    *end++ = ',';
    end = platform::WriteItemNumberTo(end, y);
    point_.text.assign(text, end);
    point_.x = x;
    point_.y = y;
  }
  file_.Line(point_.text);
}

void ScriptWriter::Number(double value) {
  if (!std::isfinite(value)) {
    platform::RequireFiniteOutput(file_.DisplayName(), Quantity("sayisi (aci, yaricap)"), value);
  }
  for (const Written& n : numbers_) {
    if (!n.text.empty() && n.x == value) {
      file_.Line(n.text);
      return;
    }
  }
  Written& n = numbers_[nextNumber_];
  nextNumber_ = 1 - nextNumber_;
  char text[platform::kItemNumberRoom];
  n.text.assign(text, platform::WriteItemNumberTo(text, value));
  n.x = value;
  file_.Line(n.text);
}

std::string ScriptWriter::Quantity(const char* what) const {
  return "\"" + platform::TrimBlanks(command_) + "\" komutunun " + what;
}

void ScriptWriter::Empty() { file_.Line(); }

void ScriptWriter::Text(const std::string& text) { file_.Line(text); }

void ScriptWriter::SheetSetUp(Sheet sheet, bool withLineTypeScale) {
  const std::vector<std::string>& lines = sheet == Sheet::kA4 ? dialect_.a4SetUp : dialect_.a0SetUp;
  if (lines.empty()) throw std::logic_error("this drawing dialect has no set-up for that sheet");
  for (const std::string& line : lines) {
    if (!withLineTypeScale && line.rfind("ltscale", 0) == 0) continue;
    Command(line);
  }
}

void ScriptWriter::TextStyle(double height) {
  platform::RequireFiniteOutput(file_.DisplayName(), "yazi yuksekligi", height);
  Command(dialect_.textStyle.head + StyleHeightText(height) + dialect_.textStyle.tail);
}

void ScriptWriter::Colour(int number) { Colour(number, dialect_.colour); }

void ScriptWriter::Colour(int number, const ColourForm& form) {
  if (form.numberOnNextLine) {
    Command(form.word);
    Command(std::to_string(number));
  } else {
    Command(form.word + " " + std::to_string(number));
  }
}

void ScriptWriter::NewLayer(const std::string& name) { NewLayer(name, dialect_.layer); }

void ScriptWriter::NewLayer(const std::string& name, const LayerForm& form) {
  if (form.itemPerLine) {
    for (const std::string& item : {form.newWord, name, form.setWord, name, std::string()}) Command(item);
  } else {
    Command(form.newWord + " " + name + " " + form.setWord + " " + name + " ");
  }
}

void ScriptWriter::LayerOff(const std::string& name) { LayerOff(name, dialect_.layer); }

void ScriptWriter::LayerOff(const std::string& name, const LayerForm& form) {
  if (form.itemPerLine) {
    for (const std::string& item : {std::string("layer off"), name, std::string("y"), std::string()}) Command(item);
  } else {
    Command("layer off " + name + " y ");
  }
}

void ScriptWriter::LayerOn(const std::string& name) { LayerOn(name, dialect_.layer); }

void ScriptWriter::LayerOn(const std::string& name, const LayerForm& form) {
  if (form.itemPerLine) {
    for (const std::string& item : {std::string("layer on"), name, std::string()}) Command(item);
  } else {
    Command("layer on " + name + " ");
  }
}

void ScriptWriter::TextAt(const std::string& command, double x, double y, double angle, const std::string& text) {
  Command(command);
  Point(x, y);
  Number(angle);
  Text(text);
}

void ScriptWriter::Circle(double x, double y, double radius) {
  Command(dialect_.circleWord);
  Point(x, y);
  Number(radius);
}

void ScriptWriter::Segment(const std::string& command, double x1, double y1, double x2, double y2) {
  Command(command);
  Point(x1, y1);
  Point(x2, y2);
  Empty();
}

void ScriptWriter::EndPolyline(const PolylineEnd& end) {
  for (const std::string& line : end.lines) Command(line);
}

void ScriptWriter::Redraw() { Command("REDRAW "); }

}  // namespace drawing
