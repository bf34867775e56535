// Version check and package download.
#include "online/updates.h"

#include <unistd.h>

#include <algorithm>

#include "base/file_io.h"
#include "base/text_encoding.h"
#include "online/content_files.h"
#include "online/down_notices.h"
#include "model/game.h"

namespace online {
namespace {

void busy(model::Game& game, int maximum) {
  model::DownPage& page = game.online.page;
  page.G1.maximum = maximum;
  page.G1.progress = 0;
  page.G1.visible = true;
  page.Led.visible = true;
  page.Led.colour = "red";
}

void idle(model::Game& game) {
  model::DownPage& page = game.online.page;
  page.G1.visible = false;
  page.Led.visible = false;
  page.Led.colour = "maroon";
  pageChanged(game);
}

void fail(model::Game& game, const std::string& message) {
  setNotice(game, message);
  idle(game);
}

// Whether the path lies inside the folder (where a download could have put it).
bool insideFolder(const std::filesystem::path& path, const std::filesystem::path& folder) {
  std::error_code error;
  auto file = std::filesystem::weakly_canonical(path, error);
  auto root = std::filesystem::weakly_canonical(folder, error);
  auto [rootEnd, fileAt] = std::mismatch(root.begin(), root.end(), file.begin(), file.end());
  return rootEnd == root.end();
}

void startUpdater(model::Game& game) {
  const auto& online = game.online;
  std::error_code error;
  // Only our own installed updater runs, never a program a download could have
  // put into the game folder; without it the player keeps running with the files.
  if (online.updaterProgram.empty() || !std::filesystem::is_regular_file(online.updaterProgram, error) ||
      insideFolder(online.updaterProgram, game.folders.exeFolder)) {
    setNotice(game, "Atualizador n\xE3o instalado: o pacote " + std::string(kPackageFile) + " ficou na pasta do jogo.");
    return;
  }
  std::vector<std::string> arguments = {"--game", game.folders.exeFolder.string(), "--wait",
                                        std::to_string(::getpid()), kPackagePassword, game.folders.exeBaseName,
                                        kPackageFile};
  if (!online.restartCommand.empty()) {
    arguments.push_back("--");
    arguments.insert(arguments.end(), online.restartCommand.begin(), online.restartCommand.end());
  }
  game.host.startProgram(online.updaterProgram.string(), arguments);
  game.host.quit();
}

}  // namespace

void checkVersion(model::Game& game) {
  model::DownPage& page = game.online.page;
  busy(game, 1);
  setNotice(game, "Baixando...");
  game.host.processEvents();
  if (!fetchToFolder(game, game.folders.serverBaseUrl + "/mrd2023/", kVersionFile))
    return fail(game, "Erro ao baixar arquivo ou internet fora do ar!");
  page.Led.colour = "maroon";
  page.G1.progress = 1;
  auto path = game.folders.dataFolder.find(kVersionFile);
  game.online.ListaTemp = path ? base::readTextLines(*path).value_or(base::Lines{}) : base::Lines{};
  const std::string newest = game.online.ListaTemp.empty() ? "" : game.online.ListaTemp.front();
  if (newest != page.Versao.caption) {
    page.btDEG.visible = page.lbDEG.visible = true;
    page.lbDEG.caption = "Download vers\xE3o " + newest;
    setNotice(game, newest + " - tem novidades no jogo!!!");
  } else {
    page.btDEG.visible = page.lbDEG.visible = false;
    setNotice(game, newest + " n\xE3o precisa ser atualizado!");
  }
  idle(game);
  game.host.processEvents();
}

void downloadPackage(model::Game& game) {
  model::DownPage& page = game.online.page;
  const base::Lines files = game.online.ListaTemp;
  busy(game, files.empty() ? 0 : static_cast<int>(files.size()) - 1);
  setNotice(game, "Baixando pacote de novidades...");
  game.host.processEvents();
  page.Led.colour = "green";
  const std::string ownTable = game.folders.exeBaseName + ".ini";
  for (size_t i = 1; i < files.size(); ++i) {
    const std::string& name = files[i];
    if (base::trimView(name).empty()) continue;  // a blank line names no file
    setNotice(game, "Downloading " + name);
    ++page.G1.progress;
    game.host.processEvents();
    if (!fetchToFolder(game, game.folders.serverBaseUrl + "mrd2023/", name))
      return fail(game, "Erro ao baixar arquivos ou internet fora do ar!");
    if (name == ownTable)
      if (auto path = game.folders.dataFolder.find(name))
        if (auto rows = base::readContentLines(*path)) game.Defs.rows() = std::move(*rows);
  }
  setNotice(game, "Arquivos baixados!!!");
  base::writeTextLines(game.folders.exeFile(kVersionFile), files);
  idle(game);
  setNotice(game, "Download completo!");
  game.host.processEvents();
  std::error_code error;
  if (std::filesystem::is_regular_file(game.folders.exeFolder / kPackageFile, error)) startUpdater(game);
}

}  // namespace online
