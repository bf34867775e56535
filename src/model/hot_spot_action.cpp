// Reading and writing a hot spot's action.
#include "model/hot_spot_action.h"

#include "base/overloaded.h"
#include "base/text.h"

namespace model {

HotSpotAction parseHotSpotAction(std::string_view text) {
  if (text.empty()) return NoAction{};
  const std::string written(text);
  size_t at = written.find("http://");
  const size_t secure = written.find("https://");
  if (secure < at) at = secure;
  if (at != std::string::npos) return OpenWebPage{written, base::trim(written.substr(at))};
  if (written.find(':') != std::string::npos) return RefusedAddress{written};
  if (text == kMapSwitchText) return MapSwitch{};
  return RunScript{written};
}

std::string actionText(const HotSpotAction& action) {
  return std::visit(base::Overloaded{
                        [](const NoAction&) { return std::string(); },
                        [](const RunScript& run) { return run.name; },
                        [](const OpenWebPage& page) { return page.text; },
                        [](const RefusedAddress& refused) { return refused.text; },
                        [](const MapSwitch&) { return std::string(kMapSwitchText); },
                    },
                    action);
}

}  // namespace model
