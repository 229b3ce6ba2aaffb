#include "common/platform/form.hpp"

#include <cmath>
#include <cstdio>
#include <sstream>
#include <utility>

#include "common/platform/numtext.hpp"
#include "common/platform/session.hpp"

namespace platform {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr double kTwipsPerPoint = 20.0;
constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;
// Beyond this many pixels a coordinate is taken as a runaway value.
constexpr double kFarPixels = 1e9;

bool Drawable(double v) { return std::isfinite(v) && std::fabs(v) < kFarPixels; }

// A pixel coordinate for the picture: three decimals at most, "." always.
std::string Px(double v) {
  double r = std::round(v * 1000.0) / 1000.0;
  if (r == 0) r = 0;  // no "-0"
  return WriteItemNumber(r);
}

std::string ColourText(RgbColour c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", static_cast<unsigned>(c & 0xFFu),
                static_cast<unsigned>((c >> 8) & 0xFFu), static_cast<unsigned>((c >> 16) & 0xFFu));
  return buf;
}

// Text for XML character data and attributes.  Bytes above 127 are taken as
// Latin-1 characters; control characters, which XML does not allow, become "?".
std::string XmlText(const std::string& s) {
  std::string r;
  for (unsigned char c : s) {
    switch (c) {
      case '&': r += "&amp;"; break;
      case '<': r += "&lt;"; break;
      case '>': r += "&gt;"; break;
      case '"': r += "&quot;"; break;
      case '\'': r += "&apos;"; break;
      default:
        if (c >= 0x80) {
          char buf[12];
          std::snprintf(buf, sizeof buf, "&#x%X;", static_cast<unsigned>(c));
          r += buf;
        } else if (c < 0x20 && c != '\t') {
          r += '?';
        } else {
          r += static_cast<char>(c);
        }
    }
  }
  return r;
}

double PointsToPixels(double points) { return points * kTwipsPerPoint / kTwipsPerPixel; }

}  // namespace

RgbColour PaletteColour(int index) {
  static constexpr RgbColour kPalette[16] = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
  };
  // Red in the low byte: blue (0, 0, 128) is 0x800000.
  if (index < 0 || index > 15) return 0;
  return kPalette[index];
}

ConsoleForm::ConsoleForm(Session& session, std::string name, std::string caption, double leftTwips,
                         double topTwips, double widthTwips, double heightTwips)
    : session_(session),
      name_(std::move(name)),
      caption_(std::move(caption)),
      leftTwips_(leftTwips),
      topTwips_(topTwips),
      widthTwips_(widthTwips),
      heightTwips_(heightTwips),
      scaleWidth_(widthTwips),
      scaleHeight_(heightTwips) {}

void ConsoleForm::Show() {
  if (!visible_) Changed();
  visible_ = true;
}

void ConsoleForm::Hide() {
  if (visible_) Changed();
  visible_ = false;
}

void ConsoleForm::Clear() {
  items_.clear();
  currentX_ = 0;
  currentY_ = 0;
  Changed();
}

void ConsoleForm::ScaleMillimetres() {
  scaleLeft_ = 0;
  scaleTop_ = 0;
  scaleWidth_ = widthTwips_ / kTwipsPerMillimetre;
  scaleHeight_ = heightTwips_ / kTwipsPerMillimetre;
}

void ConsoleForm::ScaleWidth(double width) { scaleWidth_ = width; }

void ConsoleForm::ScaleHeight(double height) { scaleHeight_ = height; }

void ConsoleForm::UserScale(double x1, double y1, double x2, double y2) {
  scaleLeft_ = x1;
  scaleTop_ = y1;
  scaleWidth_ = x2 - x1;
  scaleHeight_ = y2 - y1;
}

double ConsoleForm::PixelsPerUnitX() const { return widthTwips_ / kTwipsPerPixel / scaleWidth_; }

double ConsoleForm::PixelsPerUnitY() const { return heightTwips_ / kTwipsPerPixel / scaleHeight_; }

double ConsoleForm::PixelX(double x) const { return (x - scaleLeft_) * PixelsPerUnitX(); }

double ConsoleForm::PixelY(double y) const { return (y - scaleTop_) * PixelsPerUnitY(); }

void ConsoleForm::Line(double x1, double y1, double x2, double y2, int paletteIndex) {
  LineRgb(x1, y1, x2, y2, PaletteColour(paletteIndex));
}

void ConsoleForm::LineRgb(double x1, double y1, double x2, double y2, RgbColour colour) {
  FormItem item;
  item.kind = FormItem::kLine;
  item.x1 = PixelX(x1);
  item.y1 = PixelY(y1);
  item.x2 = PixelX(x2);
  item.y2 = PixelY(y2);
  item.colour = colour;
  item.width = drawWidth_;
  items_.push_back(std::move(item));
  Changed();
}

void ConsoleForm::Circle(double x, double y, double radius, int paletteIndex) {
  CircleRgb(x, y, radius, PaletteColour(paletteIndex));
}

void ConsoleForm::CircleRgb(double x, double y, double radius, RgbColour colour) {
  FormItem item;
  item.kind = FormItem::kCircle;
  item.x1 = PixelX(x);
  item.y1 = PixelY(y);
  // A true circle whatever the scale: the radius counts in x units.
  item.x2 = std::fabs(radius * PixelsPerUnitX());
  item.colour = colour;
  item.width = drawWidth_;
  items_.push_back(std::move(item));
  Changed();
}

void ConsoleForm::Print(const std::string& text) {
  FormItem item;
  item.kind = FormItem::kText;
  item.x1 = PixelX(currentX_);
  item.y1 = PixelY(currentY_);
  item.colour = foreColour_;
  item.text = text;
  item.fontName = fontName_;
  item.fontSize = fontSize_;
  items_.push_back(std::move(item));
  Changed();
  session_.Out() << text << '\n';
  // Next line: one text height lower, back to the left edge of the scale.
  const double heightPixels = fontSize_ * kTwipsPerPoint / kTwipsPerPixel;
  currentY_ += heightPixels / PixelsPerUnitY();
  currentX_ = scaleLeft_;
}

FormLabel& ConsoleForm::Label(const std::string& name) {
  Changed();
  for (auto& entry : labels_) {
    if (entry.name == name) return entry.label;
  }
  labels_.push_back(LabelEntry{name, FormLabel{}, scaleLeft_, scaleTop_, scaleWidth_, scaleHeight_});
  return labels_.back().label;
}

std::string ConsoleForm::ToSvg() const {
  const double w = widthTwips_ / kTwipsPerPixel;
  const double h = heightTwips_ / kTwipsPerPixel;
  std::ostringstream svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Px(w) << "\" height=\"" << Px(h)
      << "\" viewBox=\"0 0 " << Px(w) << " " << Px(h) << "\">\n"
      << "<title>" << XmlText(caption_) << "</title>\n"
      << "<rect x=\"0\" y=\"0\" width=\"" << Px(w) << "\" height=\"" << Px(h) << "\" fill=\"#FFFFFF\"/>\n";
  for (const FormItem& item : items_) {
    switch (item.kind) {
      case FormItem::kLine:
        if (!Drawable(item.x1) || !Drawable(item.y1) || !Drawable(item.x2) || !Drawable(item.y2) ||
            !Drawable(item.width))
          break;
        svg << "<line x1=\"" << Px(item.x1) << "\" y1=\"" << Px(item.y1) << "\" x2=\"" << Px(item.x2)
            << "\" y2=\"" << Px(item.y2) << "\" stroke=\"" << ColourText(item.colour) << "\" stroke-width=\""
            << Px(item.width) << "\" stroke-linecap=\"round\"/>\n";
        break;
      case FormItem::kCircle:
        if (!Drawable(item.x1) || !Drawable(item.y1) || !Drawable(item.x2) || !Drawable(item.width)) break;
        svg << "<circle cx=\"" << Px(item.x1) << "\" cy=\"" << Px(item.y1) << "\" r=\"" << Px(item.x2)
            << "\" fill=\"none\" stroke=\"" << ColourText(item.colour) << "\" stroke-width=\"" << Px(item.width)
            << "\"/>\n";
        break;
      case FormItem::kText: {
        if (!Drawable(item.x1) || !Drawable(item.y1) || !Drawable(item.fontSize)) break;
        const double size = PointsToPixels(item.fontSize);
        // The item's point is the top-left corner of the text; SVG places the baseline.
        svg << "<text x=\"" << Px(item.x1) << "\" y=\"" << Px(item.y1 + 0.8 * size) << "\" font-family=\""
            << XmlText(item.fontName) << "\" font-size=\"" << Px(size) << "\" fill=\"" << ColourText(item.colour)
            << "\" xml:space=\"preserve\">" << XmlText(item.text) << "</text>\n";
        break;
      }
    }
  }
  for (const LabelEntry& entry : labels_) {
    const FormLabel& label = entry.label;
    if (!label.visible) continue;
    const double ppuX = widthTwips_ / kTwipsPerPixel / entry.scaleWidth;
    const double ppuY = heightTwips_ / kTwipsPerPixel / entry.scaleHeight;
    double x = (label.left - entry.scaleLeft) * ppuX;
    double y = (label.top - entry.scaleTop) * ppuY;
    double lw = label.width * ppuX;
    double lh = label.height * ppuY;
    if (lw < 0) {
      x += lw;
      lw = -lw;
    }
    if (lh < 0) {
      y += lh;
      lh = -lh;
    }
    if (!Drawable(x) || !Drawable(y) || !Drawable(lw) || !Drawable(lh) || !Drawable(label.fontSize)) continue;
    svg << "<g id=\"" << XmlText(entry.name) << "\">\n";
    if (label.border) {
      svg << "<rect x=\"" << Px(x) << "\" y=\"" << Px(y) << "\" width=\"" << Px(lw) << "\" height=\"" << Px(lh)
          << "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"1\"/>\n";
    }
    if (!label.caption.empty()) {
      const double size = PointsToPixels(label.fontSize);
      const char* anchor = "start";
      double tx = x + 2;
      if (label.alignment == 1) {
        anchor = "end";
        tx = x + lw - 2;
      } else if (label.alignment == 2) {
        anchor = "middle";
        tx = x + lw / 2;
      }
      svg << "<text x=\"" << Px(tx) << "\" y=\"" << Px(y + 0.8 * size + 1) << "\" text-anchor=\"" << anchor
          << "\" font-family=\"" << XmlText(label.fontName) << "\" font-size=\"" << Px(size) << "\" fill=\""
          << ColourText(label.colour) << "\" xml:space=\"preserve\">" << XmlText(label.caption) << "</text>\n";
    }
    svg << "</g>\n";
  }
  svg << "</svg>\n";
  return svg.str();
}

}  // namespace platform
