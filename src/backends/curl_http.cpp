// The libcurl client.
#include "backends/curl_http.h"

#include <curl/curl.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <memory>

#include <cctype>

#include "platform/stop_signals.h"

namespace backends {
namespace {

constexpr int kMaxRedirects = 10;
constexpr int kPollMs = 20;

struct Body {
  std::string bytes;
  size_t limit = 0;
  bool tooLarge = false;
};

size_t collect(char* data, size_t size, size_t count, void* target) {
  auto* body = static_cast<Body*>(target);
  size_t length = size * count;
  if (body->bytes.size() + length > body->limit) {
    body->tooLarge = true;
    return 0;  // ends the transfer: the reply is not kept
  }
  body->bytes.append(data, length);
  return length;
}

struct Address {
  std::string scheme, host, port;
};

Address parts(const std::string& url) {
  Address address;
  CURLU* handle = curl_url();
  if (curl_url_set(handle, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK) {
    auto take = [&](CURLUPart part, std::string& into, unsigned flags) {
      char* value = nullptr;
      if (curl_url_get(handle, part, &value, flags) == CURLUE_OK && value) into = value;
      curl_free(value);
    };
    take(CURLUPART_SCHEME, address.scheme, 0);
    take(CURLUPART_HOST, address.host, 0);
    take(CURLUPART_PORT, address.port, CURLU_DEFAULT_PORT);
  }
  curl_url_cleanup(handle);
  std::transform(address.host.begin(), address.host.end(), address.host.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return address;
}

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

bool sameServer(const std::string& a, const std::string& b) {
  Address first = parts(a), second = parts(b);
  return !first.host.empty() && lowered(first.scheme) == lowered(second.scheme) && first.host == second.host &&
         first.port == second.port;
}

CurlHttp::CurlHttp(std::function<void()> whileWaiting, std::function<bool()> closing)
    : whileWaiting_(std::move(whileWaiting)), closing_(std::move(closing)) {}

CurlHttp::~CurlHttp() {
  if (share_) curl_share_cleanup(static_cast<CURLSH*>(share_));
}

// libcurl starts with the first transfer: a session that never goes on line
// never loads it.
void* CurlHttp::cookieShare() {
  if (!share_ && curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {
    CURLSH* share = curl_share_init();
    curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    share_ = share;
  }
  return share_;
}

bool CurlHttp::stopAsked() const {
  if (closing_ && closing_()) return true;
  // The signal stays in the pipe for the front end, which ends the player.
  pollfd stop{platform::stopSignalFd(), POLLIN, 0};
  return stop.fd >= 0 && ::poll(&stop, 1, 0) > 0 && (stop.revents & POLLIN);
}

platform::HttpResult CurlHttp::get(const platform::HttpRequest& request) {
  std::string url = request.url;
  for (int hop = 0; hop <= kMaxRedirects; ++hop) {
    std::string redirect;
    platform::HttpResult reply = transfer(request, url, redirect);
    if (redirect.empty()) return reply;
    if (!sameServer(request.url, redirect))
      return {std::nullopt, {}, "redirecionamento para outro servidor recusado: " + redirect};
    url = redirect;
  }
  return {std::nullopt, {}, "redirecionamentos demais"};
}

platform::HttpResult CurlHttp::transfer(const platform::HttpRequest& request, const std::string& url,
                                       std::string& redirect) {
  CURLSH* share = static_cast<CURLSH*>(cookieShare());
  CURL* easy = curl_easy_init();
  if (!easy) return {std::nullopt, {}, "curl_easy_init falhou"};
  Body body;
  body.limit = request.maxBodyBytes;
  curl_slist* headers = nullptr;
  for (const auto& [name, value] : request.headers) {
    // curl sends Accept-Encoding itself and then decodes what it asked for, so a
    // compressed reply arrives as the file's own bytes.
    if (lowered(name) == "accept-encoding")
      curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, value.c_str());
    else
      headers = curl_slist_append(headers, (name + ": " + value).c_str());
  }
  char errorText[CURL_ERROR_SIZE] = "";
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.connectTimeoutMs));
  // A read time-out is "no byte for so long", not a cap on the whole transfer.
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, std::max(1L, static_cast<long>((request.readTimeoutMs + 999) / 1000)));
  if (request.totalTimeoutMs > 0) curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(request.totalTimeoutMs));
  curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(request.maxBodyBytes));
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, collect);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");  // cookies kept for the session, never on disk
  curl_easy_setopt(easy, CURLOPT_SHARE, share);
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);

  // A multi handle of its own: a transfer started while another waits (events
  // run meanwhile) never takes the other's messages.
  CURLM* multi = curl_multi_init();
  curl_multi_add_handle(multi, easy);
  // The read time-out counts from the connection or the last byte received;
  // curl's low-speed limit above averages over seconds and would wait longer.
  // Over each span of the read time-out, the transfer must also move at least
  // kMinBytesPerSecond.
  using Clock = std::chrono::steady_clock;
  const auto readTimeout = std::chrono::milliseconds(std::max(1, request.readTimeoutMs));
  const curl_off_t leastPerSpan = kMinBytesPerSecond * readTimeout.count() / 1000;
  std::optional<Clock::time_point> lastByte, spanStart;
  curl_off_t bytesSeen = -1, spanBytes = 0;
  bool stalled = false, tooSlow = false, stopped = false;
  int running = 1;
  while (running) {
    if (curl_multi_perform(multi, &running) != CURLM_OK) break;
    if (!running) break;
    curl_multi_poll(multi, nullptr, 0, kPollMs, nullptr);
    if (whileWaiting_) whileWaiting_();
    if (stopAsked()) {
      stopped = true;
      break;
    }
    curl_off_t connected = 0, received = 0;
    long headerBytes = 0;
    curl_easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &connected);
    curl_easy_getinfo(easy, CURLINFO_SIZE_DOWNLOAD_T, &received);
    curl_easy_getinfo(easy, CURLINFO_HEADER_SIZE, &headerBytes);
    if (connected <= 0) continue;
    const auto now = Clock::now();
    const curl_off_t seen = received + headerBytes;
    if (seen != bytesSeen) {
      bytesSeen = seen;
      lastByte = now;
    } else if (now - *lastByte > readTimeout) {
      stalled = true;
      break;
    }
    if (!spanStart) spanStart = now, spanBytes = seen;
    if (now - *spanStart >= readTimeout) {
      if (seen - spanBytes < leastPerSpan) {
        tooSlow = true;
        break;
      }
      spanStart = now, spanBytes = seen;
    }
  }
  CURLcode result = CURLE_FAILED_INIT;
  int left = 0;
  while (CURLMsg* message = curl_multi_info_read(multi, &left))
    if (message->msg == CURLMSG_DONE && message->easy_handle == easy) result = message->data.result;

  // An answer is a whole reply (any status); anything else is a failure with
  // nothing kept.
  platform::HttpResult reply;
  long status = 0;
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
  if (result == CURLE_OK && status >= 300 && status < 400) {
    char* location = nullptr;
    if (curl_easy_getinfo(easy, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location) redirect = location;
  }
  if (stopped)
    reply.failure = "transfer\xEAncia interrompida: o jogador est\xE1 fechando";
  else if (stalled)
    reply.failure = "nenhum byte em " + std::to_string(request.readTimeoutMs) + " ms";
  else if (tooSlow)
    reply.failure = "menos de " + std::to_string(kMinBytesPerSecond) + " bytes por segundo em " +
                    std::to_string(request.readTimeoutMs) + " ms";
  else if (body.tooLarge || result == CURLE_FILESIZE_EXCEEDED)
    reply.failure = "resposta maior que " + std::to_string(request.maxBodyBytes) + " bytes";
  else if (result != CURLE_OK)
    reply.failure = *errorText ? errorText : curl_easy_strerror(result);
  else {
    reply.status = static_cast<int>(status);
    reply.body = std::move(body.bytes);
  }
  curl_multi_remove_handle(multi, easy);
  curl_multi_cleanup(multi);
  curl_easy_cleanup(easy);
  curl_slist_free_all(headers);
  return reply;
}

}  // namespace backends
