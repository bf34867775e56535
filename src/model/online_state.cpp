// The request headers a client sends before a game sets its own.
#include "model/online_state.h"

namespace model {

platform::HttpHeaders clientDefaultHeaders() {
  return {{"Accept", "text/html, */*"}, {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}};
}

}  // namespace model
