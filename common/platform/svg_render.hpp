#pragma once
// The SVG picture of a console form: what is drawn on it, compact (the lines
// of one style as polylines of one path, the circles about one point as one
// point mark), in the order of painting, with its labels.  Coordinates in
// pixels with three decimals at most, "." always.

#include <list>
#include <string>
#include <vector>

#include "common/platform/form.hpp"

namespace platform {

// Appends the picture in two parts to `head` and `body`: the picture is the
// head followed by the body.  The head (the form's size and caption, the
// point-mark definitions) is known only once the drawing is rendered; the
// drawing, most of a picture, is written into the body once and never
// copied.  Items and labels with coordinates that are not finite or beyond a
// billion pixels are not drawn.
void RenderSvgPicture(const std::string& caption, double widthTwips, double heightTwips, const FormItems& items,
                      const std::vector<FormStyle>& styles, const std::vector<std::string>& texts,
                      const std::list<PlacedLabel>& labels, std::string& head, std::string& body);

}  // namespace platform
