// Fuzz target: the reader of events files (UTF-8 text, one event a line).
#include <string>

#include "app/events_file.h"
#include "fuzz/targets.h"

namespace fuzz {

void events(std::string_view input) {
  std::string error;
  app::parseEvents(std::string(input), error);
}

}  // namespace fuzz
