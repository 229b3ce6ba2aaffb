#include "common/platform/form.hpp"

#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "common/platform/session.hpp"
#include "common/platform/svg_render.hpp"

namespace platform {


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
      scaleHeight_(heightTwips) {
  // Room for the largest drawing of a run, the body plan of a hull of 100
  // stations of 250 points (some 120,000 items), reserved at once: it is
  // address space only, taken up page by page as items are drawn, so a small
  // drawing costs no more; a large one grown by doubling would copy every
  // item drawn before onto fresh pages at each step.
  items_.reserve(kReservedItems);
}

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
  texts_.clear();
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

std::uint16_t ConsoleForm::StyleIndex(RgbColour colour, double width, const std::string& fontName,
                                      double fontSize) {
  const auto same = [&](const FormStyle& s) {
    return s.colour == colour && s.width == width && s.fontSize == fontSize && s.fontName == fontName;
  };
  if (lastStyle_ < styles_.size() && same(styles_[lastStyle_])) return lastStyle_;
  for (std::size_t k = 0; k < styles_.size(); ++k) {
    if (same(styles_[k])) {
      lastStyle_ = static_cast<std::uint16_t>(k);
      return lastStyle_;
    }
  }
  if (styles_.size() > std::numeric_limits<std::uint16_t>::max()) {
    throw std::length_error("form " + name_ + ": too many drawing styles");
  }
  styles_.push_back(FormStyle{colour, width, fontName, fontSize});
  lastStyle_ = static_cast<std::uint16_t>(styles_.size() - 1);
  return lastStyle_;
}

void ConsoleForm::Add(FormItem::Kind kind, std::uint16_t style, double x1, double y1, double x2, double y2) {
  items_.push_back(FormItem{kind, style, 0, x1, y1, x2, y2});
  Changed();
}

void ConsoleForm::Line(double x1, double y1, double x2, double y2, int paletteIndex) {
  LineRgb(x1, y1, x2, y2, PaletteColour(paletteIndex));
}

void ConsoleForm::LineRgb(double x1, double y1, double x2, double y2, RgbColour colour) {
  Add(FormItem::kLine, StyleIndex(colour, drawWidth_, std::string(), 0), PixelX(x1), PixelY(y1), PixelX(x2),
      PixelY(y2));
}

void ConsoleForm::Circle(double x, double y, double radius, int paletteIndex) {
  CircleRgb(x, y, radius, PaletteColour(paletteIndex));
}

void ConsoleForm::CircleRgb(double x, double y, double radius, RgbColour colour) {
  // A true circle whatever the scale: the radius counts in x units.
  Add(FormItem::kCircle, StyleIndex(colour, drawWidth_, std::string(), 0), PixelX(x), PixelY(y),
      std::fabs(radius * PixelsPerUnitX()), 0);
}

void ConsoleForm::Print(const std::string& text) {
  if (texts_.size() >= std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("form " + name_ + ": too many texts");
  }
  Add(FormItem::kText, StyleIndex(foreColour_, 1, fontName_, fontSize_), PixelX(currentX_), PixelY(currentY_), 0, 0);
  items_.back().text = static_cast<std::uint32_t>(texts_.size());
  texts_.push_back(text);
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
  labels_.push_back(PlacedLabel{name, FormLabel{}, scaleLeft_, scaleTop_, scaleWidth_, scaleHeight_});
  return labels_.back().label;
}

std::string ConsoleForm::ToSvg() const {
  std::string head, body;
  RenderSvg(head, body);
  return head + body;
}

void ConsoleForm::RenderSvg(std::string& head, std::string& body) const {
  RenderSvgPicture(caption_, widthTwips_, heightTwips_, items_, styles_, texts_, labels_, head, body);
}

}  // namespace platform
