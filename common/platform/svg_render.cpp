#include "common/platform/svg_render.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <compare>
#include <cstdint>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>

namespace platform {

namespace {

// Beyond this many pixels a coordinate is taken as a runaway value.
constexpr double kFarPixels = 1e9;

bool Drawable(double v) { return std::isfinite(v) && std::fabs(v) < kFarPixels; }

// A pixel coordinate as a whole number of thousandths of a pixel (halves away
// from zero); |v| < kFarPixels keeps it well inside 64 bits.
std::int64_t PxCode(double v) {
  const double t = v * 1000.0;
  const auto whole = static_cast<std::int64_t>(t);  // toward zero
  const double rest = t - static_cast<double>(whole);  // exact below 2^52
  return rest >= 0.5 ? whole + 1 : rest <= -0.5 ? whole - 1 : whole;
}

// Text for XML character data and attributes.  Bytes above 127 are taken as
// Latin-1 characters; control characters, which XML does not allow, become "?".
void AppendXmlText(std::string& r, const std::string& s) {
  for (unsigned char c : s) {
    switch (c) {
      case '&': r += "&amp;"; break;
      case '<': r += "&lt;"; break;
      case '>': r += "&gt;"; break;
      case '"': r += "&quot;"; break;
      case '\'': r += "&apos;"; break;
      default:
        if (c >= 0x80) {
          static constexpr char kHex[] = "0123456789ABCDEF";
          r += "&#x";
          r += kHex[c >> 4];
          r += kHex[c & 0xF];
          r += ';';
        } else if (c < 0x20 && c != '\t') {
          r += '?';
        } else {
          r += static_cast<char>(c);
        }
    }
  }
}

double PointsToPixels(double points) { return points * kTwipsPerPoint / kTwipsPerPixel; }

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The picture's characters, written straight into a string used as a byte
// buffer (appended to what it holds).  The string holds exactly the text
// written once the SvgStream is gone.
class SvgStream {
 public:
  explicit SvgStream(std::string& text) : buffer_(text), used_(text.size()) {}
  SvgStream(const SvgStream&) = delete;
  SvgStream& operator=(const SvgStream&) = delete;
  ~SvgStream() { buffer_.resize(used_); }

  SvgStream& operator<<(std::string_view text) {
    std::memcpy(Room(text.size()), text.data(), text.size());
    used_ += text.size();
    return *this;
  }
  SvgStream& operator<<(char c) {
    *Room(1) = c;
    ++used_;
    return *this;
  }
  // A pixel coordinate: three decimals at most, no trailing zeros, "." always,
  // never "-0".
  SvgStream& Px(double v) { return Code(PxCode(v)); }
  SvgStream& Code(std::int64_t thousandths) {
    // Written in place at the end of the buffer: the integer digits counted
    // first, then filled in from the right two at a time.
    constexpr std::size_t kMost = 26;  // sign, 19 digits, point, 3 decimals
    char* out = Room(kMost);
    char* const start = out;
    std::uint64_t n = static_cast<std::uint64_t>(thousandths);
    if (thousandths < 0) {
      *out++ = '-';
      n = 0 - n;
    }
    const auto fraction = static_cast<unsigned>(n % 1000);
    n /= 1000;
    int digits = 1;
    for (std::uint64_t limit = 10; digits < 20 && n >= limit; limit *= 10) ++digits;
    char* p = out + digits;
    out = p;
    while (n >= 100) {
      const auto pair = static_cast<unsigned>(n % 100);
      n /= 100;
      *--p = kDigitPairs[2 * pair + 1];
      *--p = kDigitPairs[2 * pair];
    }
    if (n >= 10) {
      *--p = kDigitPairs[2 * n + 1];
      *--p = kDigitPairs[2 * n];
    } else {
      *--p = static_cast<char>('0' + n);
    }
    if (fraction != 0) {
      const unsigned d1 = fraction / 100, d2 = fraction / 10 % 10, d3 = fraction % 10;
      *out++ = '.';
      *out++ = static_cast<char>('0' + d1);
      if (d2 != 0 || d3 != 0) *out++ = static_cast<char>('0' + d2);
      if (d3 != 0) *out++ = static_cast<char>('0' + d3);
    }
    used_ += static_cast<std::size_t>(out - start);
    return *this;
  }
  SvgStream& Integer(long v) {
    char digits[24];
    const auto r = std::to_chars(digits, digits + sizeof digits, v);
    return *this << std::string_view(digits, static_cast<std::size_t>(r.ptr - digits));
  }
  // An attribute: name="text".
  SvgStream& Attribute(std::string_view name, std::string_view text) {
    *this << ' ' << name << "=\"" << text;
    return *this << '"';
  }
  SvgStream& PxAttribute(std::string_view name, double v) { return CodeAttribute(name, PxCode(v)); }
  SvgStream& CodeAttribute(std::string_view name, std::int64_t thousandths) {
    *this << ' ' << name << "=\"";
    Code(thousandths);
    return *this << '"';
  }
  SvgStream& Xml(const std::string& text) {
    std::string escaped;
    AppendXmlText(escaped, text);
    return *this << escaped;
  }

 private:
  // Room for n more characters at the end of what is written: the string is
  // lengthened a page at a time (its storage grows by doubling), so that no
  // more of it is filled than the picture takes, and the characters are
  // written in place.
  char* Room(std::size_t n) {
    if (used_ + n > buffer_.size()) buffer_.resize(used_ + n + 4096);
    return buffer_.data() + used_;
  }

  std::string& buffer_;
  std::size_t used_;
};

// "#RRGGBB" of a colour number (red in the low byte).
std::string ColourText(RgbColour c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text = "#000000";
  const unsigned bytes[3] = {c & 0xFFu, (c >> 8) & 0xFFu, (c >> 16) & 0xFFu};
  for (int k = 0; k < 3; ++k) {
    text[static_cast<std::size_t>(1 + 2 * k)] = kHex[bytes[k] >> 4];
    text[static_cast<std::size_t>(2 + 2 * k)] = kHex[bytes[k] & 0xFu];
  }
  return text;
}

// A run of this many marks of one set of radii is drawn as marker vertices.
constexpr long kMarkerRow = 8;

struct PxPoint {
  std::int64_t x, y;
  bool operator==(const PxPoint&) const = default;
};

// The radii of the circles about one centre, increasing, in thousandths of a
// pixel.
struct Radii {
  static constexpr int kMost = 4;
  std::array<std::int64_t, kMost> r{};
  int count = 0;
  auto operator<=>(const Radii&) const = default;
};

// The picture's point-mark definitions, made as the marks are first met:
// a symbol for each set of radii (its circles take the colour of the group
// that places it), and a marker for each set of radii and style.
class MarkDefinitions {
 public:
  MarkDefinitions(const std::vector<FormStyle>& styles, const std::vector<std::string>& colours)
      : styles_(styles), colours_(colours) {}

  long Symbol(const Radii& radii) {
    const auto [at, added] = symbols_.try_emplace(radii, next_);
    if (added) {
      SvgStream svg(text_);
      svg << "<symbol id=\"m";
      svg.Integer(next_++) << "\" overflow=\"visible\">";
      Circles(svg, radii);
      svg << "</symbol>\n";
    }
    return at->second;
  }
  long Marker(std::uint16_t style, const Radii& radii) {
    const auto [at, added] = markers_.try_emplace(std::make_pair(style, radii), next_);
    if (added) {
      SvgStream svg(text_);
      svg << "<marker id=\"m";
      svg.Integer(next_++) << "\" markerUnits=\"userSpaceOnUse\" overflow=\"visible\" fill=\"none\"";
      svg.Attribute("stroke", colours_[style]).PxAttribute("stroke-width", styles_[style].width) << '>';
      Circles(svg, radii);
      svg << "</marker>\n";
    }
    return at->second;
  }
  const std::string& Text() const { return text_; }

 private:
  static void Circles(SvgStream& svg, const Radii& radii) {
    for (int k = 0; k < radii.count; ++k) {
      svg << "<circle";
      svg.CodeAttribute("r", radii.r[static_cast<std::size_t>(k)]) << "/>";
    }
  }
  const std::vector<FormStyle>& styles_;
  const std::vector<std::string>& colours_;
  std::map<Radii, long> symbols_;
  std::map<std::pair<std::uint16_t, Radii>, long> markers_;
  long next_ = 1;
  std::string text_;
};

// A run of consecutive lines and circles of one style (colour and width).
// Within a run the order of drawing does not show, so a run is drawn as one
// group of one path of polylines and one point mark per centre:
// - a line that starts (or ends) where one of the few most recently extended
//   polylines ends continues it, so the two sides of a body plan become two
//   polylines; a line that repeats the last piece of a polyline adds nothing
//   to the picture and is left out;
// - the circles about one centre make one point mark.
class StyleRun {
 public:
  void Start(std::uint16_t style) {
    style_ = style;
    used_ = 0;
    recentCount_ = 0;
    circles_.clear();
  }
  std::uint16_t Style() const { return style_; }
  bool Empty() const { return used_ == 0 && circles_.empty(); }

  void AddLine(PxPoint a, PxPoint b) {
    for (int k = 0; k < recentCount_; ++k) {
      std::vector<PxPoint>& line = lines_[recent_[k]];
      const PxPoint end = line.back();
      const PxPoint before = line[line.size() - 2];
      if (end == a) {
        if (!(b == before)) line.push_back(b);
      } else if (end == b) {
        if (!(a == before)) line.push_back(a);
      } else {
        continue;
      }
      Touch(k);
      return;
    }
    if (used_ == lines_.size()) lines_.emplace_back();
    std::vector<PxPoint>& line = lines_[used_++];
    line.clear();
    line.push_back(a);
    line.push_back(b);
    if (recentCount_ < kRecent) ++recentCount_;
    for (int k = recentCount_ - 1; k > 0; --k) recent_[k] = recent_[k - 1];
    recent_[0] = used_ - 1;
  }

  void AddCircle(PxPoint centre, std::int64_t radius) { circles_.push_back(Circle{centre, radius}); }

  // The group of the run: "M x y l dx dy dx dy ..." for each polyline, its
  // further points as steps, which are exact in thousandths of a pixel; then
  // its point marks.
  void Write(SvgStream& svg, MarkDefinitions& definitions, const std::string& colour, double width) {
    svg << "<g";
    svg.Attribute("stroke", colour);
    if (PxCode(width) != 1000) svg.PxAttribute("stroke-width", width);
    svg << ">\n";
    if (used_ > 0) {
      svg << "<path d=\"";
      for (std::size_t k = 0; k < used_; ++k) {
        const std::vector<PxPoint>& line = lines_[k];
        svg << 'M';
        svg.Code(line[0].x);
        Separated(svg, line[0].y);
        svg << 'l';
        for (std::size_t p = 1; p < line.size(); ++p) {
          if (p > 1) {
            Separated(svg, line[p].x - line[p - 1].x);
          } else {
            svg.Code(line[p].x - line[p - 1].x);
          }
          Separated(svg, line[p].y - line[p - 1].y);
        }
      }
      svg << "\"/>\n";
    }
    if (!circles_.empty()) WriteMarks(svg, definitions);
    svg << "</g>\n";
  }

 private:
  struct Circle {
    PxPoint centre;
    std::int64_t radius;
  };
  struct Mark {
    PxPoint centre;
    Radii radii;
    std::size_t row = 0;  // its set of radii in rows_
  };

  void WriteMarks(SvgStream& svg, MarkDefinitions& definitions) {
    // The circles about one centre: a circle joins the mark of its centre
    // among the last few marks (the program draws the circles of a point one
    // after the other, or those of both sides in turn); a circle drawn twice
    // is drawn once.
    marks_.clear();
    for (const Circle& c : circles_) {
      Mark* mark = nullptr;
      const std::size_t first = marks_.size() > kRecentMarks ? marks_.size() - kRecentMarks : 0;
      for (std::size_t k = marks_.size(); k-- > first;) {
        if (marks_[k].centre == c.centre) {
          mark = &marks_[k];
          break;
        }
      }
      if (mark != nullptr) {
        Radii& radii = mark->radii;
        const auto end = radii.r.begin() + radii.count;
        const auto at = std::lower_bound(radii.r.begin(), end, c.radius);
        if (at != end && *at == c.radius) continue;
        if (radii.count < Radii::kMost) {
          std::copy_backward(at, end, end + 1);
          *at = c.radius;
          ++radii.count;
          continue;
        }
      }
      marks_.push_back(Mark{c.centre, Radii{}, 0});
      marks_.back().radii.r[0] = c.radius;
      marks_.back().radii.count = 1;
    }
    // Sets of radii placed at many points of the run: rows of markers.  The
    // marks of one set mostly follow one another, so the set of the mark
    // before is tried first.
    rows_.clear();
    std::size_t last = 0;
    for (Mark& mark : marks_) {
      if (rows_.empty() || !SameRadii(rows_[last].first, mark.radii)) {
        last = 0;
        while (last < rows_.size() && !SameRadii(rows_[last].first, mark.radii)) ++last;
        if (last == rows_.size()) rows_.emplace_back(mark.radii, 0);
      }
      ++rows_[last].second;
      mark.row = last;
    }
    for (std::size_t r = 0; r < rows_.size(); ++r) {
      if (rows_[r].second < kMarkerRow) continue;
      svg << "<polyline points=\"";
      bool first = true;
      for (const Mark& mark : marks_) {
        if (mark.row != r) continue;
        if (!first) svg << ' ';
        first = false;
        svg.Code(mark.centre.x) << ',';
        svg.Code(mark.centre.y);
      }
      std::string url = "url(#m" + std::to_string(definitions.Marker(style_, rows_[r].first)) + ")";
      svg << "\" stroke=\"none\"";
      svg.Attribute("marker-start", url).Attribute("marker-mid", url).Attribute("marker-end", url) << "/>\n";
    }
    for (const Mark& mark : marks_) {
      if (rows_[mark.row].second >= kMarkerRow) continue;
      svg << "<use href=\"#m";
      svg.Integer(definitions.Symbol(mark.radii)) << '"';
      svg.CodeAttribute("x", mark.centre.x).CodeAttribute("y", mark.centre.y) << "/>\n";
    }
  }

  static bool SameRadii(const Radii& a, const Radii& b) {
    if (a.count != b.count) return false;
    for (int k = 0; k < a.count; ++k) {
      if (a.r[static_cast<std::size_t>(k)] != b.r[static_cast<std::size_t>(k)]) return false;
    }
    return true;
  }

  // A blank between two numbers, left out before a minus sign.
  static void Separated(SvgStream& svg, std::int64_t code) {
    if (code >= 0) svg << ' ';
    svg.Code(code);
  }
  void Touch(int k) {
    const std::size_t index = recent_[k];
    for (; k > 0; --k) recent_[k] = recent_[k - 1];
    recent_[0] = index;
  }

  static constexpr int kRecent = 4;
  static constexpr std::size_t kRecentMarks = 8;
  std::uint16_t style_ = 0;
  std::vector<std::vector<PxPoint>> lines_;  // the first used_ are this run's
  std::size_t used_ = 0;
  std::size_t recent_[kRecent] = {};
  int recentCount_ = 0;
  std::vector<Circle> circles_;
  std::vector<Mark> marks_;
  std::vector<std::pair<Radii, long>> rows_;
};

}  // namespace

void RenderSvgPicture(const std::string& caption, double widthTwips, double heightTwips, const FormItems& items,
                      const std::vector<FormStyle>& styles, const std::vector<std::string>& texts,
                      const std::list<PlacedLabel>& labels, std::string& head, std::string& body) {
  // Colour texts of the styles, made once for the picture.
  std::vector<std::string> colours;
  colours.reserve(styles.size());
  for (const FormStyle& s : styles) colours.push_back(ColourText(s.colour));

  // The drawing in the order of the items: runs of lines and circles of one
  // style, and texts.  Items with runaway coordinates are not drawn.  The
  // point marks are defined as they are met and written before the drawing.
  MarkDefinitions definitions(styles, colours);
  // Room for the drawing reserved from its item count (an item takes fewer
  // than 24 characters of the picture as a rule): storage taken up only as
  // it is written, and the text is not copied onto fresh pages as it grows.
  body.reserve(body.size() + 24 * items.size() + 4096);
  {
    SvgStream svg(body);
    StyleRun run;
    bool runOpen = false;
    const auto endRun = [&] {
      if (runOpen && !run.Empty()) run.Write(svg, definitions, colours[run.Style()], styles[run.Style()].width);
      runOpen = false;
    };
    for (const FormItem& item : items) {
      const FormStyle& style = styles[item.style];
      if (item.kind == FormItem::kText) {
        if (!Drawable(item.x1) || !Drawable(item.y1) || !Drawable(style.fontSize)) continue;
        endRun();
        const double size = PointsToPixels(style.fontSize);
        // The item's point is the top-left corner of the text; SVG places the baseline.
        svg << "<text";
        svg.PxAttribute("x", item.x1).PxAttribute("y", item.y1 + 0.8 * size) << " font-family=\"";
        svg.Xml(style.fontName) << '"';
        svg.PxAttribute("font-size", size).Attribute("fill", colours[item.style]) << " xml:space=\"preserve\">";
        svg.Xml(texts[item.text]) << "</text>\n";
        continue;
      }
      const bool drawable = item.kind == FormItem::kLine
                                ? Drawable(item.x1) && Drawable(item.y1) && Drawable(item.x2) && Drawable(item.y2)
                                : Drawable(item.x1) && Drawable(item.y1) && Drawable(item.x2);
      if (!drawable || !Drawable(style.width)) continue;
      if (!runOpen || run.Style() != item.style) {
        endRun();
        run.Start(item.style);
        runOpen = true;
      }
      const PxPoint first{PxCode(item.x1), PxCode(item.y1)};
      if (item.kind == FormItem::kLine) {
        run.AddLine(first, PxPoint{PxCode(item.x2), PxCode(item.y2)});
      } else {
        run.AddCircle(first, PxCode(item.x2));
      }
    }
    endRun();
  }

  const double w = widthTwips / kTwipsPerPixel;
  const double h = heightTwips / kTwipsPerPixel;
  {
    SvgStream svg(head);
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
    svg.PxAttribute("width", w).PxAttribute("height", h) << " viewBox=\"0 0 ";
    svg.Px(w) << ' ';
    svg.Px(h) << "\">\n<title>";
    svg.Xml(caption) << "</title>\n<rect x=\"0\" y=\"0\"";
    svg.PxAttribute("width", w).PxAttribute("height", h) << " fill=\"#FFFFFF\"/>\n";
    if (!definitions.Text().empty()) svg << "<defs>\n" << definitions.Text() << "</defs>\n";
    svg << "<g fill=\"none\" stroke-width=\"1\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
  }

  SvgStream svg(body);
  svg << "</g>\n";

  for (const PlacedLabel& entry : labels) {
    const FormLabel& label = entry.label;
    if (!label.visible) continue;
    const double ppuX = widthTwips / kTwipsPerPixel / entry.scaleWidth;
    const double ppuY = heightTwips / kTwipsPerPixel / entry.scaleHeight;
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
    svg << "<g id=\"";
    svg.Xml(entry.name) << "\">\n";
    if (label.border) {
      svg << "<rect";
      svg.PxAttribute("x", x).PxAttribute("y", y).PxAttribute("width", lw).PxAttribute("height", lh)
          << " fill=\"none\" stroke=\"#000000\" stroke-width=\"1\"/>\n";
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
      svg << "<text";
      svg.PxAttribute("x", tx).PxAttribute("y", y + 0.8 * size + 1).Attribute("text-anchor", anchor)
          << " font-family=\"";
      svg.Xml(label.fontName) << '"';
      svg.PxAttribute("font-size", size).Attribute("fill", ColourText(label.colour)) << " xml:space=\"preserve\">";
      svg.Xml(label.caption) << "</text>\n";
    }
    svg << "</g>\n";
  }
  svg << "</svg>\n";
}

}  // namespace platform
