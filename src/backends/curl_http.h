// The HTTP client of on-line play, over libcurl. A transfer runs through curl's
// multi interface and calls back between polls, so the window keeps painting
// while a file arrives (input meanwhile waits in the player's queue). Cookies
// live for the session; redirects are followed only within the same server. A
// transfer that stays under a minimum rate is given up, and a stop (the player
// closing, or a stop signal waiting in its pipe) ends any transfer at once.
#pragma once
#include <functional>

#include "platform/http.h"

namespace backends {

class CurlHttp : public platform::HttpClient {
 public:
  // whileWaiting runs between polls of a transfer (let pending events run);
  // closing says whether the player is closing, which ends the transfer.
  explicit CurlHttp(std::function<void()> whileWaiting = {}, std::function<bool()> closing = {});
  ~CurlHttp() override;
  CurlHttp(const CurlHttp&) = delete;
  CurlHttp& operator=(const CurlHttp&) = delete;

  platform::HttpResult get(const platform::HttpRequest& request) override;

 private:
  platform::HttpResult transfer(const platform::HttpRequest& request, const std::string& url,
                               std::string& redirect);

  // The session's cookies, libcurl started first (null when it cannot start).
  void* cookieShare();

  // Whether the transfer is to end now: the player closes or a stop signal waits.
  bool stopAsked() const;

  std::function<void()> whileWaiting_;
  std::function<bool()> closing_;
  void* share_ = nullptr;  // CURLSH holding the session's cookies
};

// The slowest a transfer may go, averaged over each span of its read time-out:
// a reply that drips a byte at a time never lets the player go otherwise.
constexpr long kMinBytesPerSecond = 256;

// Whether two addresses name the same server: scheme, host and port.
bool sameServer(const std::string& a, const std::string& b);

}  // namespace backends
