// mirandel --check: reads a whole game without running it and reports what is
// wrong, one finding per line ("file:line: level: message"), then a summary.
#pragma once
#include <filesystem>
#include <ostream>
#include <string>

namespace check {

// Exit status: 0 clean (notes allowed), 1 errors or warnings, 2 the game cannot
// be read at all (no folder, no table); that reason goes to err.
int checkGame(const std::filesystem::path& folder, const std::string& exeBaseName, std::ostream& out, std::ostream& err);

}  // namespace check
