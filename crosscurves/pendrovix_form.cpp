// The program's form and the places of its labels.
#include "pendrovix_form.hpp"

namespace cross {

namespace {

// The places of the form's labels in twips from the top-left corner of its
// drawing area, all 3855 x 375, below the plot box and its axis numbers:
// Label1 and Label2 (the station and the heel angle, the ranges of the
// drawings) at the left, Label3 to Label6 (the smallest and largest
// displacement and KN of the cross curves) in a column of their own at the
// right.
struct LabelPlace {
  const char* name;
  double left, top;
};
constexpr LabelPlace kLabelPlaces[] = {{"Label1", 1200, 4920}, {"Label2", 1200, 5520}, {"Label3", 6300, 4920},
                                       {"Label4", 6300, 5520}, {"Label5", 6300, 6120}, {"Label6", 6300, 6720}};
constexpr double kLabelWidth = 3855, kLabelHeight = 375;

}  // namespace

platform::ConsoleForm& PendrovixForm(platform::Session& session) {
  platform::ConsoleForm& form = session.Form("Pendrovix", "Pendrovix", 240, 525, 11880, 8595);
  // The labels are placed while the form has its first scale, twips: they
  // keep their places whatever scale the drawings set later.
  for (const LabelPlace& place : kLabelPlaces) {
    platform::FormLabel& l = form.Label(place.name);
    l.left = place.left;
    l.top = place.top;
    l.width = kLabelWidth;
    l.height = kLabelHeight;
  }
  return form;
}

}  // namespace cross
