#pragma once
// The look of the run's captions: the station and the heel angle being cut.

#include <string>

#include "common/platform/form.hpp"

namespace cross {

// Gives a label of the form the look of the run's captions (Arial 15,
// light blue, a single border, centred) and the caption.
void SetRunCaption(platform::ConsoleForm& form, const std::string& label, const std::string& caption);

}  // namespace cross
