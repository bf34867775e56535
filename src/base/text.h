// Small text helpers shared by every subsystem: trimming as the scripts know it,
// splitting file contents into lines and joining them with CR LF.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace base {

using Lines = std::vector<std::string>;

// Removes leading and trailing characters with codes 0-32.
std::string_view trimView(std::string_view text);
std::string trim(std::string_view text);

// A line ends at CR LF, LF or CR; a last line without an ending still counts,
// an empty text has no lines.
Lines splitLines(std::string_view text);

// The local time to the minute, as "2026-12-09 14:30" (transcripts, save slots).
std::string localTimeText();

// Every line followed by CR LF.
std::string joinLines(const Lines& lines);

bool startsWith(std::string_view text, std::string_view prefix);
bool contains(std::string_view text, std::string_view part);

}  // namespace base
