// HttpClient: the one kind of network request the engine makes, an HTTP GET
// with headers, time-outs and a cap on the size of the answer. A backend is
// chosen when the host is made (NullHttp when the build has none).
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

struct HttpRequest {
  std::string url;
  HttpHeaders headers;  // sent as given, in this order
  int connectTimeoutMs = 10'000;
  int readTimeoutMs = 10'000;   // no byte for this long gives the transfer up
  int totalTimeoutMs = 30'000;  // 0: no cap on the whole transfer
  size_t maxBodyBytes = size_t(16) << 20;  // a longer answer is a failure
};

// An answer of the server (any status), or why there is none: no connection, a
// time-out, an answer over the size cap.
struct HttpResult {
  std::optional<int> status;
  std::string body;
  std::string failure;

  bool answered() const { return status.has_value(); }
  // The whole body arrived with a 2xx status.
  bool succeeded() const { return status && *status >= 200 && *status < 300; }
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  virtual HttpResult get(const HttpRequest& request) = 0;
};

// NullHttp: never connects; every GET fails at once and its address is kept in
// `requested`, so tests can see what was asked for.
class NullHttp : public HttpClient {
 public:
  HttpResult get(const HttpRequest& request) override {
    requested.push_back(request.url);
    return {std::nullopt, {}, "no network access in this build of the player"};
  }

  std::vector<std::string> requested;
};

}  // namespace platform
