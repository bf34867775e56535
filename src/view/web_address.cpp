// Web addresses in hot spots.
#include "view/web_address.h"

#include "base/text.h"

namespace view {

std::optional<std::string> webAddressIn(const std::string& script) {
  size_t at = script.find("http://");
  const size_t secure = script.find("https://");
  if (secure < at) at = secure;
  if (at == std::string::npos) return std::nullopt;
  return base::trim(script.substr(at));
}

bool isOtherAddress(const std::string& script) {
  return !webAddressIn(script) && script.find(':') != std::string::npos;
}

}  // namespace view
