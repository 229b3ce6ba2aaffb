#pragma once
// The AutoCAD command-script dialect in which every drawing of the suite is
// written: one command, operand, point, number or text per line, each ended by
// CR LF.  In a script a blank and a line end both act as Enter, so a leading
// blank on a command line ends whatever the lines before left open and a
// trailing blank ends the command of its own line.
//
// The three programs write the same dialect with small differences in their
// sheet set-ups, text-style lines, colour words, circle words and layer
// commands; those differences are data (a Dialect and the line forms below),
// the writer is one.

#include <string>
#include <vector>

#include "common/platform/output_file.hpp"

namespace drawing {

// Paper sizes of the drawings.
enum class Sheet { kA4, kA0 };

// The text-style line: head & height (one decimal) & tail, for example
// "style complex complex 5.0 1 0 n n n" (font "complex", width factor 1,
// obliquing angle 0, not backwards, not upside down, not vertical).
struct TextStyleForm {
  std::string head;
  std::string tail;
};

// An entity colour: the word and the colour number on one line ("COLOR 4",
// "color 10", "Color 2"), or the word alone with the number on the next line.
struct ColourForm {
  std::string word;
  bool numberOnNextLine = false;
};

// Layer commands: on one line ("layer new L set L ", "layer off L y ",
// "layer on L "), or one item per line ("layer new", L, "set", L, an empty
// line; "layer off", L, "y", an empty line; "layer on", L, an empty line).
struct LayerForm {
  std::string newWord;  // "layer new" or "Layer New"
  std::string setWord;  // "set" or "Set"
  bool itemPerLine = false;
};

// The lines that end a polyline after its points: the leading blank of the
// first ends the point list.
struct PolylineEnd {
  std::vector<std::string> lines;
};

struct Dialect {
  // Lines that open a script on an A4 or an A0 sheet (erase, limits, grid,
  // zoom, frame); empty when the program has no such sheet.
  std::vector<std::string> a4SetUp;
  std::vector<std::string> a0SetUp;
  TextStyleForm textStyle;
  ColourForm colour;
  LayerForm layer;
  std::string circleWord;  // "Circle" or "circle"
};

// Text-style forms used by the programs: with the font name, or with two
// blanks where the font name would stand.
inline const TextStyleForm kStyleComplexFont{"style complex complex ", " 1 0 n n n"};
inline const TextStyleForm kStyleComplexNoFont{"style complex  ", " 1 0 n n n"};

// Colour forms used by the programs.
inline const ColourForm kColourUpperCase{"COLOR", false};
inline const ColourForm kColourLowerCase{"color", false};
inline const ColourForm kColourCapital{"Color", false};
inline const ColourForm kColourCapitalNumberBelow{"Color", true};

// Layer forms used by the programs.
inline const LayerForm kLayerLowerCase{"layer new", "set", false};
inline const LayerForm kLayerCapitals{"Layer New", "Set", false};
inline const LayerForm kLayerItemPerLine{"layer new", "set", true};

// Polyline endings: " pedit l f " fits a curve through the points; " pedit",
// " l" and an empty line end the polyline as it stands.
inline const PolylineEnd kFittedPolylineEnd{{" pedit l f "}};
inline const PolylineEnd kPlainPolylineEnd{{" pedit", " l", ""}};

// The hydrostatics program: curve drawings (A4 and A0) ...
const Dialect& KormelantCurvesDialect();
// ... and the body plan and profile, whose layers are "Layer New <L> Set <L> ".
const Dialect& KormelantHullDialect();
// The cross-curves program: its curve drawings (A4, colour in lower case,
// style lines without font name, "circle") ...
const Dialect& PendrovixCurvesDialect();
// ... and its body plan (no "ltscale", "Osmode" or "Snap" line).
const Dialect& PendrovixBodyPlanDialect();
// The floodable-length program (set-up without grid, one item per line,
// colour word "Color").
const Dialect& DolvenikaDialect();

// Writes the lines of one script into an open output file.  A number that is
// not finite stops the run as a data error naming the script and the command
// it belongs to, before anything of its line is written.
class ScriptWriter {
 public:
  ScriptWriter(platform::OutputFile& file, const Dialect& dialect);

  // The five kinds of line.
  void Command(const std::string& text);   // verbatim, blanks included
  void Point(double x, double y);          // "x,y" in write-item form
  void Number(double value);               // a number alone (angle, radius)
  void Empty();                            // ends a point list
  void Text(const std::string& text);      // the string of a TEXT command

  // Sheet set-up of the dialect.  Without the line-type scale the leading
  // "ltscale" line is left out (the body-plan and profile sheets).
  void SheetSetUp(Sheet sheet, bool withLineTypeScale);
  // Text-style line of the dialect for a height in millimetres.
  void TextStyle(double height);
  // Entity colour in the dialect's form, or in another form of the program.
  void Colour(int number);
  void Colour(int number, const ColourForm& form);

  // Layers: create and set, switch off (answering "y" for the current
  // layer), switch on; in the dialect's form or in another.
  void NewLayer(const std::string& name);
  void NewLayer(const std::string& name, const LayerForm& form);
  void LayerOff(const std::string& name);
  void LayerOff(const std::string& name, const LayerForm& form);
  void LayerOn(const std::string& name);
  void LayerOn(const std::string& name, const LayerForm& form);

  // "text c" / "text r" / "text": justification, insertion point, angle, string.
  void TextAt(const std::string& command, double x, double y, double angle, const std::string& text);
  // The dialect's circle word, centre, radius.
  void Circle(double x, double y, double radius);
  // Two-point "line", "pline" or "Pline" ended by an empty line.
  void Segment(const std::string& command, double x1, double y1, double x2, double y2);
  // The lines that end a polyline after its points.
  void EndPolyline(const PolylineEnd& end);
  // "REDRAW ", the last line of a script.
  void Redraw();

 private:
  // The quantity a number of the last command stands for, for the message of
  // a number that is not finite.
  std::string Quantity(const char* what) const;

  platform::OutputFile& file_;
  const Dialect& dialect_;
  std::string command_;  // the last command written
  // The last point and the last two numbers written, with their texts: a
  // polyline repeats each vertex, the point marks their centre and radii.
  struct Written {
    double x = 0, y = 0;
    std::string text;
  };
  Written point_{0, 0, std::string()};
  Written numbers_[2];
  int nextNumber_ = 0;
};

// Height of a text-style line: one decimal, "." as the point ("1.5", "15.0").
std::string StyleHeightText(double height);

}  // namespace drawing
