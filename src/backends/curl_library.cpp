// libcurl, loaded on first use (base/lazy_library.h): a session that never goes
// on line never loads it, nor the TLS, Kerberos, LDAP and SSH libraries it
// brings. Without the library every call fails as curl's own calls fail (a null
// handle, an error code), so a transfer reports a failure and play goes on.
#include <curl/curl.h>

#include <cstdarg>

#include "base/lazy_library.h"

namespace {

constexpr const char* kCurl = "libcurl.so.4";

template <typename Function>
Function* curlFunction(const char* name) {
  return base::lazyFunction<Function>(kCurl, name);
}

}  // namespace

#define MIRANDEL_CURL_FORWARD(Result, name, failure, params, args) \
  MIRANDEL_LAZY_FORWARD(kCurl, Result, name, failure, params, args)
#define MIRANDEL_CURL_FORWARD_VOID(name, params, args) MIRANDEL_LAZY_FORWARD_VOID(kCurl, name, params, args)

MIRANDEL_CURL_FORWARD(CURLcode, curl_global_init, CURLE_FAILED_INIT, (long flags), (flags))
MIRANDEL_CURL_FORWARD(CURL*, curl_easy_init, nullptr, (void), ())
MIRANDEL_CURL_FORWARD_VOID(curl_easy_cleanup, (CURL * easy), (easy))
MIRANDEL_CURL_FORWARD(const char*, curl_easy_strerror, "libcurl n\xE3o foi carregada", (CURLcode code), (code))
MIRANDEL_CURL_FORWARD(curl_slist*, curl_slist_append, nullptr, (curl_slist * list, const char* text), (list, text))
MIRANDEL_CURL_FORWARD_VOID(curl_slist_free_all, (curl_slist * list), (list))
MIRANDEL_CURL_FORWARD_VOID(curl_free, (void* memory), (memory))
MIRANDEL_CURL_FORWARD(CURLSH*, curl_share_init, nullptr, (void), ())
MIRANDEL_CURL_FORWARD(CURLSHcode, curl_share_cleanup, CURLSHE_BAD_OPTION, (CURLSH * share), (share))
MIRANDEL_CURL_FORWARD(CURLM*, curl_multi_init, nullptr, (void), ())
MIRANDEL_CURL_FORWARD(CURLMcode, curl_multi_cleanup, CURLM_BAD_HANDLE, (CURLM * multi), (multi))
MIRANDEL_CURL_FORWARD(CURLMcode, curl_multi_add_handle, CURLM_BAD_HANDLE, (CURLM * multi, CURL* easy), (multi, easy))
MIRANDEL_CURL_FORWARD(CURLMcode, curl_multi_remove_handle, CURLM_BAD_HANDLE, (CURLM * multi, CURL* easy),
                      (multi, easy))
MIRANDEL_CURL_FORWARD(CURLMcode, curl_multi_perform, CURLM_BAD_HANDLE, (CURLM * multi, int* running),
                      (multi, running))
MIRANDEL_CURL_FORWARD(CURLMcode, curl_multi_poll, CURLM_BAD_HANDLE,
                      (CURLM * multi, curl_waitfd* extra, unsigned int count, int timeoutMs, int* ready),
                      (multi, extra, count, timeoutMs, ready))
MIRANDEL_CURL_FORWARD(CURLMsg*, curl_multi_info_read, nullptr, (CURLM * multi, int* left), (multi, left))
MIRANDEL_CURL_FORWARD(CURLU*, curl_url, nullptr, (void), ())
MIRANDEL_CURL_FORWARD_VOID(curl_url_cleanup, (CURLU * url), (url))
MIRANDEL_CURL_FORWARD(CURLUcode, curl_url_set, CURLUE_BAD_HANDLE,
                      (CURLU * url, CURLUPart part, const char* text, unsigned int flags), (url, part, text, flags))
MIRANDEL_CURL_FORWARD(CURLUcode, curl_url_get, CURLUE_BAD_HANDLE,
                      (CURLU * url, CURLUPart part, char** text, unsigned int flags), (url, part, text, flags))

// The functions of one argument of several types, passed on as the library
// reads it: by the option's type.
extern "C" CURLcode(curl_easy_setopt)(CURL* easy, CURLoption option, ...) {
  static auto* const function = curlFunction<CURLcode(CURL*, CURLoption, ...)>("curl_easy_setopt");
  if (!function) return CURLE_FAILED_INIT;
  std::va_list arguments;
  va_start(arguments, option);
  CURLcode result;
  if (option < CURLOPTTYPE_OBJECTPOINT)
    result = function(easy, option, va_arg(arguments, long));
  else if (option >= CURLOPTTYPE_OFF_T && option < CURLOPTTYPE_BLOB)
    result = function(easy, option, va_arg(arguments, curl_off_t));
  else
    result = function(easy, option, va_arg(arguments, void*));  // data, text, function or blob
  va_end(arguments);
  return result;
}

extern "C" CURLcode(curl_easy_getinfo)(CURL* easy, CURLINFO info, ...) {
  static auto* const function = curlFunction<CURLcode(CURL*, CURLINFO, ...)>("curl_easy_getinfo");
  if (!function) return CURLE_FAILED_INIT;
  std::va_list arguments;
  va_start(arguments, info);
  const CURLcode result = function(easy, info, va_arg(arguments, void*));  // always where the answer goes
  va_end(arguments);
  return result;
}

extern "C" CURLSHcode(curl_share_setopt)(CURLSH* share, CURLSHoption option, ...) {
  static auto* const function = curlFunction<CURLSHcode(CURLSH*, CURLSHoption, ...)>("curl_share_setopt");
  if (!function) return CURLSHE_INVALID;
  std::va_list arguments;
  va_start(arguments, option);
  CURLSHcode result;
  if (option == CURLSHOPT_SHARE || option == CURLSHOPT_UNSHARE)
    result = function(share, option, va_arg(arguments, int));  // what is shared: a lock data kind
  else
    result = function(share, option, va_arg(arguments, void*));
  va_end(arguments);
  return result;
}
