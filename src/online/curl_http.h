// The HTTP client of on-line play, over libcurl. A transfer runs through curl's
// multi interface and calls back between polls, so the window keeps painting
// while a file arrives (input meanwhile waits in the player's queue). Cookies
// live for the session; redirects are followed only within the same server.
#pragma once
#include <functional>

#include "platform/http.h"

namespace online {

class CurlHttp : public platform::HttpClient {
 public:
  // whileWaiting runs between polls of a transfer (let pending events run).
  explicit CurlHttp(std::function<void()> whileWaiting = {});
  ~CurlHttp() override;
  CurlHttp(const CurlHttp&) = delete;
  CurlHttp& operator=(const CurlHttp&) = delete;

  platform::HttpResult get(const platform::HttpRequest& request) override;

 private:
  platform::HttpResult transfer(const platform::HttpRequest& request, const std::string& url,
                               std::string& redirect);

  std::function<void()> whileWaiting_;
  void* share_ = nullptr;  // CURLSH holding the session's cookies
};

// Whether two addresses name the same server: scheme, host and port.
bool sameServer(const std::string& a, const std::string& b);

}  // namespace online
