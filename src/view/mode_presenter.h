// One presenter per display mode: what entering the mode, a run's text and the
// end of a run do on that mode's page. modo=, the text sinks and the end of the
// run choose it by the mode instead of each asking which mode is on.
#pragma once
#include <string>

#include "model/display_mode.h"

namespace model { struct Game; }

namespace view {

struct ModePresenter {
  void (*enter)(model::Game&);                        // lays the mode's page out and shows it
  void (*output)(model::Game&, const std::string&);   // a quoted text block
  void (*append)(model::Game&, const std::string&);   // msg+
  void (*replace)(model::Game&, const std::string&);  // msg=
  void (*clear)(model::Game&);                        // clearmsg
  void (*endOfRun)(model::Game&);                     // after the save, before the repaint
};

// The presenter of the mode; a mode other than the four shows nothing.
const ModePresenter& presenterFor(model::DisplayMode mode);

}  // namespace view
