// Dates and times of content files, compared as the server list gives them: the
// local file's last-write time in local time at the two-second resolution of DOS
// file times, and the server's "date time" text, both at one-second precision.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace online {

// A local date and time as one ordered number, yyyymmddhhmmss.
using Stamp = int64_t;

// The file's last-write time, local, seconds rounded down to an even number.
std::optional<Stamp> localFileStamp(const std::filesystem::path& file);

// A server stamp in the regional (Brazilian) form "dd/mm/yyyy hh:mm:ss" (the
// seconds may be missing); "yyyy-mm-dd hh:mm:ss" is read too. Nothing when the
// text is no date and time.
std::optional<Stamp> parseServerStamp(const std::string& text);

}  // namespace online
