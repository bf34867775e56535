// The temporary copy of a game folder.
#include "app/scratch_folder.h"

#include <QCoreApplication>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace app {
namespace {

std::runtime_error failure(const char* source, const std::filesystem::path& path) {
  return std::runtime_error(
      QCoreApplication::translate("Options", source).arg(QString::fromStdString(path.string())).toStdString());
}

}  // namespace

ScratchFolder::ScratchFolder(const std::filesystem::path& game) {
  std::string pattern = (std::filesystem::temp_directory_path() / "mirandel-scratch-XXXXXX").string();
  if (!::mkdtemp(pattern.data()))
    throw failure(QT_TRANSLATE_NOOP("Options", "cannot make a temporary folder in %1"),
                  std::filesystem::temp_directory_path());
  parent_ = pattern;
  const auto name = std::filesystem::absolute(game).lexically_normal().filename();
  copy_ = parent_ / (name.empty() ? std::filesystem::path("jogo") : name);
  std::error_code error;
  std::filesystem::copy(game, copy_,
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::copy_symlinks, error);
  if (error) {
    std::filesystem::remove_all(parent_, error);
    throw failure(QT_TRANSLATE_NOOP("Options", "cannot copy the game folder %1 for --scratch"), game);
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  std::filesystem::remove_all(parent_, error);
}

}  // namespace app
