// Update packages for the tests: zip archives written with libzip, each entry
// encrypted with the password (AES-256), and links and foreign names on demand.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

struct PackageEntry {
  std::string name;
  std::string bytes;
  bool link = false;  // a symbolic link to bytes
};

void writePackage(const std::filesystem::path& file, const std::string& password,
                  const std::vector<PackageEntry>& entries);

}  // namespace testing_support
