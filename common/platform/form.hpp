#pragma once
// ConsoleForm: a window used as the output console and drawing canvas of a
// program.  Here a form keeps what is drawn on it since its last clear; the
// Session writes every visible form as an SVG picture whenever the program
// asks a question and when it ends, so the user can look at the drawing the
// question belongs to.

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

namespace platform {

// The form's units: 15 twips a pixel, 20 twips a point, 1440 twips an inch.
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kTwipsPerPoint = 20.0;
inline constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;

// Red-green-blue colour number with red in the low byte (0x00BBGGRR).
using RgbColour = std::uint32_t;
// The 16-colour console palette, 0 black .. 15 bright white.
RgbColour PaletteColour(int index);

struct FormLabel {
  std::string caption;
  // In the form's coordinate units at the time the label was created (twips
  // on a form with the default scale); the label stays where it was put when
  // the form's scale changes later.
  double left = 0, top = 0, width = 0, height = 0;
  bool border = false;
  int alignment = 0;  // 0 left, 1 right, 2 centre
  std::string fontName = "Arial";
  double fontSize = 8;
  RgbColour colour = 0;
  bool visible = true;
};

// One thing drawn on a form, in drawing-area pixels (1 pixel = 15 twips): a
// small plain record.  Its colour, line width and font are the form's style
// number `style`; the characters of a text are the form's text number `text`.
// Plain data: each item is written whole when it is drawn.
struct FormItem {
  enum Kind : std::uint8_t { kLine, kCircle, kText };
  Kind kind;
  std::uint16_t style;
  std::uint32_t text;     // kText: the text, its top-left corner at (x1, y1)
  double x1, y1, x2, y2;  // line ends; circle centre in (x1, y1), radius in x2
};

// How an item is drawn: its colour and line width in pixels (lines and
// circles), or its colour and font (texts).
struct FormStyle {
  RgbColour colour = 0;
  double width = 1;
  std::string fontName;  // texts only
  double fontSize = 0;   // texts only, points
};

// The items of a form in the order they were drawn.  A form keeps the
// storage of its items over its clearings: the next drawing of the same
// screen reuses it.
using FormItems = std::vector<FormItem>;

// A label of a form with the form's scale of the moment it was created.
struct PlacedLabel {
  std::string name;
  FormLabel label;
  double scaleLeft, scaleTop, scaleWidth, scaleHeight;
};

class Session;

class ConsoleForm {
 public:
  // Drawing area in twips: its size and its top-left corner on the screen.
  ConsoleForm(Session& session, std::string name, std::string caption, double leftTwips, double topTwips,
              double widthTwips, double heightTwips);

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }

  void Show();
  void Hide();
  bool Visible() const { return visible_; }
  // Erases all text and drawing; the print position returns to (0, 0).
  void Clear();

  void FontName(const std::string& name) { fontName_ = name; }
  void FontSize(double points) { fontSize_ = points; }
  void ForeColour(int paletteIndex) { foreColour_ = PaletteColour(paletteIndex); }
  void ForeColourRgb(RgbColour colour) { foreColour_ = colour; }
  void DrawWidth(double pixels) { drawWidth_ = pixels; }

  // Coordinates in millimetres, origin at the top-left corner of the area.
  void ScaleMillimetres();
  // Width and height of the drawing area in coordinate units (origin kept).
  void ScaleWidth(double width);
  void ScaleHeight(double height);
  // The top-left corner of the area becomes (x1, y1), the bottom-right (x2, y2).
  void UserScale(double x1, double y1, double x2, double y2);

  void Line(double x1, double y1, double x2, double y2, int paletteIndex);
  void LineRgb(double x1, double y1, double x2, double y2, RgbColour colour);
  // Circle about (x, y); the radius is in units of the x axis.
  void Circle(double x, double y, double radius, int paletteIndex);
  void CircleRgb(double x, double y, double radius, RgbColour colour);

  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void CurrentX(double x) { currentX_ = x; }
  void CurrentY(double y) { currentY_ = y; }
  // Writes the text at the print position, then moves the print position to
  // the start of the next line, one text height lower.  Also echoed to the
  // terminal so that it shows the run's progress.
  void Print(const std::string& text);

  // A label of the form, created empty on first use.
  FormLabel& Label(const std::string& name);

  // What is drawn since the last clear, and how each item is drawn.
  const FormItems& Items() const { return items_; }
  const FormStyle& Style(const FormItem& item) const { return styles_[item.style]; }
  RgbColour Colour(const FormItem& item) const { return Style(item).colour; }
  double Width(const FormItem& item) const { return Style(item).width; }
  const std::string& Text(const FormItem& item) const { return texts_[item.text]; }

  // The picture of the form (svg_render.hpp): whole, or in its two parts
  // appended to `head` and `body`.
  std::string ToSvg() const;
  void RenderSvg(std::string& head, std::string& body) const;
  // Incremented by every change of what the form shows (drawing, clearing,
  // showing, hiding, a label handed out for change); the Session writes a
  // new picture of a form only when this has moved since its last one.
  unsigned long Revision() const { return revision_; }

 private:
  double PixelX(double x) const;
  double PixelY(double y) const;
  double PixelsPerUnitX() const;
  double PixelsPerUnitY() const;
  void Changed() { ++revision_; }
  std::uint16_t StyleIndex(RgbColour colour, double width, const std::string& fontName, double fontSize);
  void Add(FormItem::Kind kind, std::uint16_t style, double x1, double y1, double x2, double y2);

  static constexpr std::size_t kReservedItems = std::size_t{1} << 17;

  Session& session_;
  std::string name_, caption_;
  double leftTwips_, topTwips_, widthTwips_, heightTwips_;
  bool visible_ = false;
  std::string fontName_ = "Arial";
  double fontSize_ = 8;
  RgbColour foreColour_ = 0;
  double drawWidth_ = 1;
  // User coordinates of the top-left corner and the extent of the area.
  double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;
  double currentX_ = 0, currentY_ = 0;
  FormItems items_;
  std::vector<FormStyle> styles_;  // kept over clears: a form uses few styles
  std::vector<std::string> texts_;
  std::uint16_t lastStyle_ = 0;
  // Labels in a list so that references handed out stay valid; each keeps
  // the form's scale of the moment it was created.
  std::list<PlacedLabel> labels_;
  unsigned long revision_ = 0;
};

}  // namespace platform
