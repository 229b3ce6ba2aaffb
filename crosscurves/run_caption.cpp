// The run's captions.
#include "run_caption.hpp"

namespace cross {

void SetRunCaption(platform::ConsoleForm& form, const std::string& label, const std::string& caption) {
  platform::FormLabel& l = form.Label(label);
  l.fontName = "Arial";
  l.fontSize = 15;
  l.colour = platform::PaletteColour(9);
  l.border = true;
  l.alignment = 2;
  l.caption = caption;
}

}  // namespace cross
