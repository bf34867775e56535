// The map picture for the terminal.
#include "terminal/map_picture.h"

#include <QBuffer>

#include "base/cp1252.h"
#include "base/file_io.h"
#include "shell/game.h"

namespace terminal {

std::string writeMapPicture(const shell::Game& game, const std::filesystem::path& folder) {
  const QImage& map = game.map.MapJog;
  if (map.isNull()) return "Este jogo ainda n\xE3o mostrou um mapa.";
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
    return "N\xE3o consegui gravar o mapa em " + base::utf8ToCp1252(file.string());
  return "Mapa gravado em: " + base::utf8ToCp1252(file.string());
}

}  // namespace terminal
