// The map picture for the terminal.
#include "terminal/map_picture.h"

#include <QBuffer>
#include <QCoreApplication>

#include "base/cp1252.h"
#include "base/file_io.h"
#include "shell/game.h"

namespace terminal {

std::string writeMapPicture(const model::Game& game, const std::filesystem::path& folder) {
  const QImage& map = game.map.MapJog;
  if (map.isNull()) return QCoreApplication::translate("Terminal", "This game has not shown a map yet.").toStdString();
  // Game text is Windows-1252; file names and the terminal are UTF-8.
  const std::string& gameName = game.folders.gameName;
  const std::string name = base::cp1252ToUtf8(gameName.empty() ? std::string("jogo") : gameName) + "-mapa.png";
  const std::filesystem::path file = folder / name;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!map.save(&buffer, "PNG") || !base::writeFileAtomically(file, std::string_view(png.constData(), size_t(png.size()))))
    return QCoreApplication::translate("Terminal", "Could not write the map into %1")
        .arg(QString::fromStdString(file.string()))
        .toStdString();
  return QCoreApplication::translate("Terminal", "Map written into: %1").arg(QString::fromStdString(file.string())).toStdString();
}

}  // namespace terminal
