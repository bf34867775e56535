// Folder names and the folder's file:// address.
#include "model/folders.h"

#include <cstdio>

namespace model {

std::filesystem::path Folders::exeFile(const std::string& name) const {
  base::GameFolder folder(exeFolder);
  if (auto path = folder.pathForWriting(name)) return *path;
  return exeFolder / "invalid-name";
}

std::string folderUrl(const std::filesystem::path& folder) {
  std::string path = std::filesystem::absolute(folder).lexically_normal().generic_string();
  if (path.empty() || path.back() != '/') path += '/';
  std::string url = "file://";
  for (unsigned char c : path) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      url += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      url += escaped;
    }
  }
  return url;
}

}  // namespace model
