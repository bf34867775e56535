// Content file stamps.
#include "online/file_stamp.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>

namespace online {
namespace {

std::optional<Stamp> stampOf(int year, int month, int day, int hour, int minute, int second) {
  if (year < 1601 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59 || second < 0 || second > 59)
    return std::nullopt;
  return ((((static_cast<Stamp>(year) * 100 + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 + second;
}

}  // namespace

std::optional<Stamp> localFileStamp(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return std::nullopt;
  std::tm local{};
  time_t seconds = status.st_mtime;
  if (!localtime_r(&seconds, &local)) return std::nullopt;
  return stampOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                 local.tm_sec / 2 * 2);
}

std::optional<Stamp> parseServerStamp(const std::string& text) {
  int a = 0, b = 0, c = 0, hour = 0, minute = 0, second = 0;
  char separator = 0, end = 0;
  int fields = std::sscanf(text.c_str(), " %d%c%d%*c%d %d:%d:%d %c", &a, &separator, &b, &c, &hour, &minute, &second, &end);
  if (fields == 6) second = 0;
  else if (fields != 7) return std::nullopt;
  if (separator == '/') return stampOf(c, b, a, hour, minute, second);  // dd/mm/yyyy
  if (separator == '-') return stampOf(a, b, c, hour, minute, second);  // yyyy-mm-dd
  return std::nullopt;
}

}  // namespace online
