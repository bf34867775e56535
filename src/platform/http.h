// The HTTP seam of on-line play: a GET by address that yields the reply's bytes
// or a failure. The engine asks for files through it; the libcurl client serves
// play, and the null client (no server, no network) fails every request at once.
#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace platform {

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

struct HttpRequest {
  std::string url;
  HttpHeaders headers;         // sent as given, in this order
  int connectTimeoutMs = 5000;
  int readTimeoutMs = 5000;    // no byte for this long gives the transfer up
  size_t maxBytes = 64u << 20; // a longer reply is refused, not kept
};

struct HttpReply {
  bool ok = false;   // the whole body arrived with a 2xx status
  long status = 0;   // the HTTP status, 0 when none arrived
  std::string body;  // empty unless ok
  std::string error; // why it failed, for the log
};

class Http {
 public:
  virtual ~Http() = default;
  virtual HttpReply get(const HttpRequest& request) = 0;
};

// No network: every request fails at once.
class NullHttp : public Http {
 public:
  HttpReply get(const HttpRequest&) override { return {false, 0, {}, "sem acesso \xE0 rede"}; }
};

}  // namespace platform
