// Windows-1252 game text and its conversion to and from UTF-8. Game text stays
// Windows-1252 bytes inside the engine; these two functions are the only doors.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace base {

// Every byte maps to one code point; the five bytes Windows-1252 leaves undefined
// map to the C1 control of the same number, so the conversion round-trips.
std::string cp1252ToUtf8(std::string_view cp1252);

// A file-system path (UTF-8 bytes on this system) as game text, for messages
// and names that meet game text; converted once, at this edge.
std::string pathToCp1252(const std::filesystem::path& path);

// Characters that Windows-1252 cannot hold become '?'. Invalid UTF-8 bytes are
// taken as Windows-1252 already, so a file saved in either encoding reads well.
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace base
