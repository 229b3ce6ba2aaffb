#pragma once
// Test support for the screen pictures: a reader that turns a picture file
// back into what it draws (line segments, circles and texts with their
// colours and widths, in painting order), and the one-element-per-item
// rendering the forms used before their pictures were made compact, kept
// here to compare the two.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "common/platform/form.hpp"
#include "common/platform/number_format.hpp"

namespace testsupport {

struct PictureSegment {
  double x1, y1, x2, y2;
};
struct PictureCircle {
  double cx, cy, r;
};
struct PictureText {
  bool label = false;  // a label of the form (a group with an id)
  double x = 0, y = 0;
  std::string fontFamily;
  double fontSize = 0;
  std::string fill;
  std::string anchor;
  std::string text;
};

// One step of the painting order: lines and circles of one colour and width
// (consecutive elements of one style in the file), or one text.
struct PictureLayer {
  bool isText = false;
  std::string colour;
  double width = 0;
  std::vector<PictureSegment> segments;
  std::vector<PictureCircle> circles;
  PictureText text;
};

struct Picture {
  std::string title;
  std::vector<PictureLayer> layers;

  int Segments(const std::string& colour) const {
    int n = 0;
    for (const auto& l : layers)
      if (!l.isText && l.colour == colour) n += static_cast<int>(l.segments.size());
    return n;
  }
  int Circles(const std::string& colour) const {
    int n = 0;
    for (const auto& l : layers)
      if (!l.isText && l.colour == colour) n += static_cast<int>(l.circles.size());
    return n;
  }
  int AllSegments() const {
    int n = 0;
    for (const auto& l : layers) n += static_cast<int>(l.segments.size());
    return n;
  }
  std::vector<PictureText> Texts() const {
    std::vector<PictureText> t;
    for (const auto& l : layers)
      if (l.isText) t.push_back(l.text);
    return t;
  }
};

namespace svg_detail {

inline std::string Decode(const std::string& s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '&') {
      r += s[i];
      continue;
    }
    const std::size_t end = s.find(';', i);
    const std::string entity = s.substr(i + 1, end - i - 1);
    if (entity == "amp") r += '&';
    else if (entity == "lt") r += '<';
    else if (entity == "gt") r += '>';
    else if (entity == "quot") r += '"';
    else if (entity == "apos") r += '\'';
    else if (entity.size() > 2 && entity[0] == '#' && entity[1] == 'x') r += static_cast<char>(std::stoi(entity.substr(2), nullptr, 16));
    i = end;
  }
  return r;
}

// Numbers of a path or point list: "-" and "," and blanks separate them.
inline std::vector<double> Numbers(const std::string& s, std::size_t& p) {
  std::vector<double> v;
  while (p < s.size()) {
    while (p < s.size() && (s[p] == ' ' || s[p] == ',' || s[p] == '\n')) ++p;
    if (p >= s.size() || !(s[p] == '-' || s[p] == '.' || (s[p] >= '0' && s[p] <= '9'))) break;
    std::size_t q = p + 1;
    while (q < s.size() && (s[q] == '.' || (s[q] >= '0' && s[q] <= '9'))) ++q;
    double x = 0;
    std::from_chars(s.data() + p, s.data() + q, x);
    v.push_back(x);
    p = q;
  }
  return v;
}

struct Element {
  std::string tag;
  std::map<std::string, std::string> attributes;
  bool closing = false, selfClosing = false;
  std::size_t end = 0;  // just after '>'
  std::string Get(const std::string& name, const std::string& fallback = std::string()) const {
    const auto it = attributes.find(name);
    return it == attributes.end() ? fallback : it->second;
  }
  double Number(const std::string& name, double fallback = 0) const {
    const auto it = attributes.find(name);
    if (it == attributes.end()) return fallback;
    double v = fallback;  // whatever the locale: "." is the decimal point
    std::from_chars(it->second.data(), it->second.data() + it->second.size(), v);
    return v;
  }
};

inline bool NextElement(const std::string& svg, std::size_t& p, Element& e) {
  p = svg.find('<', p);
  if (p == std::string::npos) return false;
  e = Element{};
  std::size_t q = p + 1;
  if (svg[q] == '?' || svg[q] == '!') {
    p = svg.find('>', q) + 1;
    e.tag = "?";
    e.end = p;
    return true;
  }
  if (svg[q] == '/') {
    e.closing = true;
    ++q;
  }
  std::size_t nameEnd = svg.find_first_of(" />\n", q);
  e.tag = svg.substr(q, nameEnd - q);
  q = nameEnd;
  while (true) {
    while (svg[q] == ' ' || svg[q] == '\n') ++q;
    if (svg[q] == '>') {
      ++q;
      break;
    }
    if (svg[q] == '/' && svg[q + 1] == '>') {
      e.selfClosing = true;
      q += 2;
      break;
    }
    const std::size_t eq = svg.find('=', q);
    const std::string name = svg.substr(q, eq - q);
    const std::size_t close = svg.find('"', eq + 2);
    e.attributes[name] = Decode(svg.substr(eq + 2, close - eq - 2));
    q = close + 1;
  }
  e.end = q;
  p = q;
  return true;
}

}  // namespace svg_detail

// Reads a picture as this suite writes it (either form): <line>, <circle>,
// <path> (M, m, L, l), <polyline> with point-mark markers, <use> of a
// point-mark symbol, <text>; strokes inherited through <g>.
inline Picture ReadPicture(const std::string& svg) {
  using svg_detail::Element;
  Picture picture;
  struct Style {
    std::string stroke;
    double width = 1;
    bool label = false;
  };
  std::vector<Style> stack{Style{"none", 1, false}};
  std::vector<std::string> open;
  struct Mark {
    std::vector<double> radii;
    Style style;
    bool hasStyle = false;
  };
  std::map<std::string, Mark> marks;  // symbols and markers by id
  std::string defining;

  const auto layerFor = [&](const Style& s) -> PictureLayer& {
    if (picture.layers.empty() || picture.layers.back().isText || picture.layers.back().colour != s.stroke ||
        picture.layers.back().width != s.width) {
      PictureLayer l;
      l.colour = s.stroke;
      l.width = s.width;
      picture.layers.push_back(l);
    }
    return picture.layers.back();
  };
  const auto styleOf = [&](const Element& e) {
    Style s = stack.back();
    if (e.attributes.count("stroke")) s.stroke = e.Get("stroke");
    if (e.attributes.count("stroke-width")) s.width = e.Number("stroke-width");
    if (e.tag == "g" && e.attributes.count("id")) s.label = true;
    return s;
  };

  std::size_t p = 0;
  Element e;
  while (svg_detail::NextElement(svg, p, e)) {
    if (e.tag == "?") continue;
    if (e.closing) {
      if (!open.empty()) {
        if (open.back() == "symbol" || open.back() == "marker") defining.clear();
        open.pop_back();
        stack.pop_back();
      }
      continue;
    }
    const Style style = styleOf(e);
    if (e.tag == "title") {
      const std::size_t end = svg.find("</title>", p);
      picture.title = svg_detail::Decode(svg.substr(p, end - p));
      p = end + 8;
      continue;
    }
    if (e.tag == "symbol" || e.tag == "marker") {
      defining = e.Get("id");
      marks[defining].style = style;
      marks[defining].hasStyle = e.tag == "marker";
    } else if (e.tag == "circle" && !defining.empty()) {
      marks[defining].radii.push_back(e.Number("r"));
    } else if (e.tag == "line") {
      layerFor(style).segments.push_back(
          PictureSegment{e.Number("x1"), e.Number("y1"), e.Number("x2"), e.Number("y2")});
    } else if (e.tag == "circle") {
      layerFor(style).circles.push_back(PictureCircle{e.Number("cx"), e.Number("cy"), e.Number("r")});
    } else if (e.tag == "path") {
      const std::string d = e.Get("d");
      std::size_t q = 0;
      double x = 0, y = 0;
      PictureLayer& layer = layerFor(style);
      while (q < d.size()) {
        const char command = d[q++];
        const std::vector<double> v = svg_detail::Numbers(d, q);
        for (std::size_t k = 0; k + 1 < v.size(); k += 2) {
          const bool relative = command == 'm' || command == 'l';
          const double nx = relative ? x + v[k] : v[k];
          const double ny = relative ? y + v[k + 1] : v[k + 1];
          if (k > 0 || command == 'L' || command == 'l') layer.segments.push_back(PictureSegment{x, y, nx, ny});
          x = nx;
          y = ny;
        }
      }
    } else if (e.tag == "polyline") {
      const std::string points = e.Get("points");
      std::size_t q = 0;
      const std::vector<double> v = svg_detail::Numbers(points, q);
      std::string url = e.Get("marker-mid");
      if (!url.empty()) {
        const Mark& mark = marks.at(url.substr(5, url.size() - 6));
        PictureLayer& layer = layerFor(mark.style);
        for (std::size_t k = 0; k + 1 < v.size(); k += 2) {
          for (double r : mark.radii) layer.circles.push_back(PictureCircle{v[k], v[k + 1], r});
        }
      }
      if (style.stroke != "none") {
        PictureLayer& layer = layerFor(style);
        for (std::size_t k = 2; k + 1 < v.size(); k += 2)
          layer.segments.push_back(PictureSegment{v[k - 2], v[k - 1], v[k], v[k + 1]});
      }
    } else if (e.tag == "use") {
      const Mark& mark = marks.at(e.Get("href").substr(1));
      PictureLayer& layer = layerFor(style);
      for (double r : mark.radii) layer.circles.push_back(PictureCircle{e.Number("x"), e.Number("y"), r});
    } else if (e.tag == "text") {
      const std::size_t end = svg.find("</text>", p);
      PictureLayer layer;
      layer.isText = true;
      layer.text = PictureText{style.label, e.Number("x"), e.Number("y"), e.Get("font-family"), e.Number("font-size"),
                               e.Get("fill"), e.Get("text-anchor", "start"), svg_detail::Decode(svg.substr(p, end - p))};
      picture.layers.push_back(layer);
      p = end + 7;
      continue;
    }
    if (!e.selfClosing) {
      open.push_back(e.tag);
      stack.push_back(style);
    }
  }
  return picture;
}

// The picture of a form's items as the forms wrote it before: one element per
// drawn item, each with its own colour and width.
inline std::string OneElementPerItemSvg(const platform::ConsoleForm& form) {
  const auto px = [](double v) {
    double r = std::round(v * 1000.0) / 1000.0;
    if (r == 0) r = 0;
    return platform::WriteItemNumber(r);
  };
  const auto colour = [](platform::RgbColour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", static_cast<unsigned>(c & 0xFFu),
                  static_cast<unsigned>((c >> 8) & 0xFFu), static_cast<unsigned>((c >> 16) & 0xFFu));
    return std::string(buf);
  };
  // Markup characters as entities, control characters as "?", other bytes as
  // they are (the reader decodes character references to the same bytes).
  const auto xml = [](const std::string& s) {
    static const std::map<char, std::string> entities = {
        {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}, {'\'', "&apos;"}};
    std::string r;
    for (const char c : s) {
      const auto entity = entities.find(c);
      if (entity != entities.end()) r += entity->second;
      else r += static_cast<unsigned char>(c) < 0x20 && c != '\t' ? '?' : c;
    }
    return r;
  };
  const auto drawable = [](double v) { return std::isfinite(v) && std::fabs(v) < 1e9; };
  std::ostringstream svg;
  svg << "<svg>\n";
  for (const platform::FormItem& item : form.Items()) {
    const platform::FormStyle& style = form.Style(item);
    switch (item.kind) {
      case platform::FormItem::kLine:
        if (!drawable(item.x1) || !drawable(item.y1) || !drawable(item.x2) || !drawable(item.y2) ||
            !drawable(style.width))
          break;
        svg << "<line x1=\"" << px(item.x1) << "\" y1=\"" << px(item.y1) << "\" x2=\"" << px(item.x2) << "\" y2=\""
            << px(item.y2) << "\" stroke=\"" << colour(style.colour) << "\" stroke-width=\"" << px(style.width)
            << "\" stroke-linecap=\"round\"/>\n";
        break;
      case platform::FormItem::kCircle:
        if (!drawable(item.x1) || !drawable(item.y1) || !drawable(item.x2) || !drawable(style.width)) break;
        svg << "<circle cx=\"" << px(item.x1) << "\" cy=\"" << px(item.y1) << "\" r=\"" << px(item.x2)
            << "\" fill=\"none\" stroke=\"" << colour(style.colour) << "\" stroke-width=\"" << px(style.width)
            << "\"/>\n";
        break;
      case platform::FormItem::kText: {
        if (!drawable(item.x1) || !drawable(item.y1) || !drawable(style.fontSize)) break;
        const double size = style.fontSize * 20.0 / 15.0;
        svg << "<text x=\"" << px(item.x1) << "\" y=\"" << px(item.y1 + 0.8 * size) << "\" font-family=\""
            << xml(style.fontName) << "\" font-size=\"" << px(size) << "\" fill=\"" << colour(style.colour)
            << "\" xml:space=\"preserve\">" << xml(form.Text(item)) << "</text>\n";
        break;
      }
    }
  }
  svg << "</svg>\n";
  return svg.str();
}

// What a layer shows, independent of the order of drawing within it: its
// segments without direction and its circles, in thousandths of a pixel.
struct ShownLayer {
  bool isText = false;
  std::string colour;
  double width = 0;
  std::set<std::tuple<std::int64_t, std::int64_t, std::int64_t, std::int64_t>> segments;
  std::set<std::tuple<std::int64_t, std::int64_t, std::int64_t>> circles;
  std::tuple<std::int64_t, std::int64_t, std::string, std::int64_t, std::string, std::string> text;
  bool operator==(const ShownLayer&) const = default;
};

inline std::vector<ShownLayer> Shown(const Picture& picture) {
  const auto code = [](double v) { return static_cast<std::int64_t>(std::llround(v * 1000.0)); };
  std::vector<ShownLayer> shown;
  for (const PictureLayer& l : picture.layers) {
    if (l.isText && l.text.label) continue;  // labels are not items of the form
    ShownLayer s;
    s.isText = l.isText;
    s.colour = l.colour;
    s.width = l.width;
    for (const PictureSegment& g : l.segments) {
      auto a = std::make_pair(code(g.x1), code(g.y1));
      auto b = std::make_pair(code(g.x2), code(g.y2));
      if (b < a) std::swap(a, b);
      s.segments.emplace(a.first, a.second, b.first, b.second);
    }
    for (const PictureCircle& c : l.circles) s.circles.emplace(code(c.cx), code(c.cy), code(c.r));
    if (l.isText) {
      s.text = std::make_tuple(code(l.text.x), code(l.text.y), l.text.fontFamily, code(l.text.fontSize), l.text.fill,
                               l.text.text);
    }
    shown.push_back(s);
  }
  return shown;
}

// Expects the form's picture as written now to show what the one element per
// item picture shows, layer by layer in painting order.
inline void ExpectSamePicture(const platform::ConsoleForm& form, const std::string& written) {
  const std::vector<ShownLayer> before = Shown(ReadPicture(OneElementPerItemSvg(form)));
  const std::vector<ShownLayer> now = Shown(ReadPicture(written));
  ASSERT_EQ(now.size(), before.size()) << form.Name();
  for (std::size_t k = 0; k < now.size(); ++k) {
    EXPECT_TRUE(now[k] == before[k]) << form.Name() << ": layer " << k << " of " << now.size() << " ("
                                     << before[k].colour << ", " << before[k].segments.size() << " segments, "
                                     << before[k].circles.size() << " circles; now " << now[k].colour << ", "
                                     << now[k].segments.size() << ", " << now[k].circles.size() << ")";
  }
}

}  // namespace testsupport
