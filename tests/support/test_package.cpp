// Test update packages.
#include "support/test_package.h"

#include <sys/stat.h>
#include <zip.h>

#include <stdexcept>

namespace testing_support {

void writePackage(const std::filesystem::path& file, const std::string& password,
                  const std::vector<PackageEntry>& entries) {
  std::filesystem::remove(file);
  int error = 0;
  zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_EXCL, &error);
  if (!archive) throw std::runtime_error("zip_open failed");
  for (const auto& entry : entries) {
    zip_source_t* source = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
    zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_OVERWRITE);
    if (index < 0) throw std::runtime_error("zip_file_add failed");
    auto at = static_cast<zip_uint64_t>(index);
    if (entry.link)
      zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX, static_cast<zip_uint32_t>(S_IFLNK | 0777) << 16);
    else if (zip_file_set_encryption(archive, at, ZIP_EM_AES_256, password.c_str()) != 0)
      throw std::runtime_error(std::string("zip_file_set_encryption failed: ") + zip_strerror(archive));
  }
  if (zip_close(archive) != 0) throw std::runtime_error("zip_close failed");
}

}  // namespace testing_support
