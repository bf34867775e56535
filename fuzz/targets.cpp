// The table of fuzz targets by name.
#include "fuzz/targets.h"

namespace fuzz {

const std::vector<Target>& allTargets() {
  static const std::vector<Target> targets = {
      {"script", script},   {"defs", defs},     {"registers", registers},
      {"objects", objects}, {"phrases", phrases}, {"events", events},
      {"pictures", pictures}, {"page", page},   {"page_view", pageView},
      {"bmp", bmp},
  };
  return targets;
}

}  // namespace fuzz
