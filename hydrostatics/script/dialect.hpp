#pragma once
// The AutoCAD command-script dialect in which every drawing of the suite is
// written: one command, operand, point, number or text per line, each ended by
// CR LF.  In a script a blank and a line end both act as Enter, so a leading
// blank on a command line ends whatever the lines before left open and a
// trailing blank ends the command of its own line.
//
// The three programs write the same dialect with small differences in their
// sheet set-ups, text-style lines, colour words and layer commands; those
// differences are data (a Dialect), the writer is one.

#include <string>
#include <vector>

#include "common/platform/files.hpp"

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

struct Dialect {
  // Lines that open a script on an A4 or an A0 sheet (erase, limits, grid,
  // zoom, frame); empty when the program has no such sheet.
  std::vector<std::string> a4SetUp;
  std::vector<std::string> a0SetUp;
  TextStyleForm textStyle;
  std::string colourWord;  // "COLOR", "color" or "Color", followed by a blank and the number
  // "<new> <L> <set> <L> " creates layer L and makes it current.
  std::string layerNewWord;
  std::string layerSetWord;
};

// Text-style forms used by the programs.
inline const TextStyleForm kStyleComplexFont{"style complex complex ", " 1 0 n n n"};
inline const TextStyleForm kStyleComplexNoFont{"style complex  ", " 1 0 n n n"};

// The hydrostatics program: curve drawings (A4 and A0) ...
const Dialect& KormelantCurvesDialect();
// ... and the body plan and profile, whose layers are "Layer New <L> Set <L> ".
const Dialect& KormelantHullDialect();
// The cross-curves program: its curve drawings (A4, colour in lower case,
// style lines without font name) ...
const Dialect& PendrovixCurvesDialect();
// ... and its body plan (no "ltscale", "Osmode" or "Snap" line).
const Dialect& PendrovixBodyPlanDialect();
// The floodable-length program (set-up without grid, one item per line).
const Dialect& DolvenikaDialect();

// Writes the lines of one script into an open output file.
class ScriptWriter {
 public:
  ScriptWriter(platform::OutputFile& file, const Dialect& dialect);

  const Dialect& Forms() const { return dialect_; }

  // The five kinds of line.
  void Command(const std::string& text);   // verbatim, blanks included
  void Point(double x, double y);          // "x,y" in write-item form
  void Number(double value);               // a number alone (angle, radius)
  void Empty();                            // ends a point list
  void Text(const std::string& text);      // the string of a TEXT command

  // Sheet set-up of the dialect.  Without the line-type scale the leading
  // "ltscale" line is left out (the body-plan and profile sheets).
  void SheetSetUp(Sheet sheet, bool withLineTypeScale = true);
  // Text-style line of the dialect for a height in millimetres.
  void TextStyle(double height);
  void TextStyle(double height, const TextStyleForm& form);
  // Entity colour: "<colour word> <n>".
  void Colour(int number);
  void Colour(int number, const std::string& word);

  // Layers: create and set, switch off (answering "y" for the current
  // layer), switch on.
  void NewLayer(const std::string& name);
  void LayerOff(const std::string& name);
  void LayerOn(const std::string& name);

  // "text c" / "text r" / "text": justification, insertion point, angle, string.
  void TextAt(const std::string& command, double x, double y, double angle, const std::string& text);
  // "Circle", centre, radius.
  void Circle(double x, double y, double radius);
  // Two-point "line" or "pline" ended by an empty line.
  void Segment(const std::string& command, double x1, double y1, double x2, double y2);
  // " pedit l f ": its leading blank ends a running point list, then the
  // last polyline is fitted with a smooth curve.
  void FitLastPolyline();
  // "REDRAW ", the last line of a script.
  void Redraw();

 private:
  platform::OutputFile& file_;
  const Dialect& dialect_;
};

// Height of a text-style line: one decimal, "." as the point ("1.5", "15.0").
std::string StyleHeightText(double height);

}  // namespace drawing
