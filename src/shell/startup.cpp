// Start-up and shut-down sequences.
#include "shell/startup.h"

#include <ctime>

#include "base/content_range.h"
#include "base/cp1252.h"
#include "base/file_io.h"
#include "base/number.h"
#include "graphics/surfaces.h"
#include "online/content_files.h"
#include "online/down_controls.h"
#include "shell/game.h"
#include "view/end_button.h"
#include "view/pictures.h"
#include "world/saved_state.h"

namespace shell {
namespace {

void setUpFolders(model::Game& game, const StartOptions& options) {
  auto& folders = game.folders;
  folders.exeFolder = std::filesystem::absolute(options.gameFolder).lexically_normal();
  folders.exeBaseName = options.exeBaseName;
  folders.gameName = options.exeBaseName;
  folders.dataFolder = base::GameFolder(folders.exeFolder);
  folders.exeFolderUrl = model::folderUrl(folders.exeFolder);
  folders.serverBaseUrl = options.serverBaseUrl;
  // One player per folder: a second one ends here, before it reads, finishes
  // or writes anything, so it never touches a save the first has in flight.
  auto lock = std::make_shared<base::FolderLock>(folders.exeFolder);
  if (lock->outcome() == base::FolderLock::Outcome::HeldElsewhere) throw GameAlreadyOpen(folders.exeFolder);
  folders.lock = std::move(lock);
  // A save the last session was killed in is finished (or dropped) before any
  // file is read.
  base::finishInterruptedSaves(folders.exeFolder);
  if (!folders.serverBaseUrl.empty() && folders.serverBaseUrl.back() != '/') folders.serverBaseUrl += '/';
  game.online.updaterProgram = options.updaterProgram;
  game.online.restartCommand = options.restartCommand;
  game.debug.setFile(folders.exeFolder / "debug.txt");
  game.runner.observer = options.runObserver;
}

// A game kept in a subfolder (row 4 with a folder part) has its temporaries there.
void tidyGameSubfolder(const model::Folders& folders) {
  auto saves = folders.dataFolder.pathForWriting(folders.gameName + ".rgs");
  if (saves && saves->parent_path() != folders.exeFolder) base::finishInterruptedSaves(saves->parent_path());
}

void loadDefinitions(model::Game& game) {
  const std::string tableName = game.folders.exeBaseName + ".ini";
  auto path = game.folders.dataFolder.find(tableName);
  auto table = path ? model::DefinitionsTable::readFile(*path) : std::nullopt;
  if (!table)
    throw StartupError("N\xE3o encontrei a tabela de defini\xE7\xF5" "es " + tableName + " em " +
                       base::pathToCp1252(game.folders.exeFolder) + ".");
  game.Defs = std::move(*table);
  game.debug.logDebug("Defs criado com sucesso");
}

void readEngineVariables(model::Game& game) {
  const model::DefinitionsTable& defs = game.Defs;
  game.folders.gameName = defs.defsRow(model::row::GameName);
  auto count = defs.number(model::row::RegisterCount);
  if (!count)
    throw StartupError("A linha 6 da tabela de defini\xE7\xF5" "es deve ser o n\xFAmero de registros, "
                       "mas \xE9 \"" + defs.defsRow(model::row::RegisterCount) + "\".");
  game.registerCount = *count;
  game.readPositionRows();
  // Where the window was closed; a front end without a window writes it back as it was.
  if (auto left = defs.number(model::row::WindowLeft), top = defs.number(model::row::WindowTop); left && top) {
    game.window.left = base::coordinateInRange(*left);
    game.window.top = base::coordinateInRange(*top);
  }
}

void createWorkingLists(model::Game& game) {
  game.runner.Script.clear();
  game.debug.logDebug("Script criado com sucesso");
  game.world.Objx.clear();
  game.debug.logDebug("Objx criado com sucesso");
  game.world.ObjtsClk.clear();
  game.debug.logDebug("ObjtsClk criado com sucesso");
  game.world.Objs.clear();
  game.Regs.values() = model::Registers::builtInValues();
  game.debug.logDebug("Regs criado com sucesso");
  game.screen.WebTxt.clear();
  game.debug.logDebug("WebTxt criado com sucesso");
}

void createBitmaps(model::Game& game) {
  auto& s = game.surfaces;
  struct Bitmap {
    QImage* image;
    const char* name;
  };
  // Every bitmap starts empty: the rain's take their sizes when it starts, the
  // picture buffers theirs with their panels when the game starts (the opening
  // screen shows neither, and a megabyte of panel filled here was never seen).
  for (const Bitmap& bitmap : {Bitmap{&s.Msk1, "Msk1"}, Bitmap{&s.Msk2, "Msk2"}, Bitmap{&s.BfDst, "BfDst"},
                               Bitmap{&s.BfChv, "BfChv"}, Bitmap{&s.BufTela, "BufTela"},
                               Bitmap{&s.BufFunc, "BufFunc"}}) {
    *bitmap.image = QImage();
    game.debug.logDebug(std::string(bitmap.name) + " criado com sucesso");
  }
}

}  // namespace

void start(model::Game& game, const StartOptions& options) {
  setUpFolders(game, options);
  game.registerCount = 250;
  game.screen.Modelo = model::DisplayMode::Strip;
  game.screen.viewerPage = model::ViewerPage::Strip;
  game.runner.currentScript = game.IniScp = game.RetScp = "start";
  game.screen.typewriterDelay = 7;
  loadDefinitions(game);
  readEngineVariables(game);
  tidyGameSubfolder(game.folders);
  createWorkingLists(game);
  view::loadEndButtonPicture(game, "bot1.bmp");
  game.screen.outerPage = model::OuterPage::Abertura;
  createBitmaps(game);
  game.random.seed(static_cast<unsigned>(std::time(nullptr)));
  game.resolveContentFile = [&game](const std::string& name) { return online::resolveContentFile(game, name); };
  online::showSwitches(game);
  if (options.openingScreenReady) options.openingScreenReady();
  // The server file list is fetched only when a server was given (on-line play).
  online::fetchListAtStartUp(game);
}

void shutDown(model::Game& game) {
  // A start-up that found the game open elsewhere leaves its files to that player.
  if (!game.folders.lock) return;
  // Whatever a failed run left behind (no memory to spare), the saves still happen.
  try {
    model::DefinitionsTable& defs = game.Defs;
    defs.setDefsRow(model::row::WindowLeft, std::to_string(game.window.left));
    defs.setDefsRow(model::row::WindowTop, std::to_string(game.window.top));
    defs.setDefsRow(model::row::GameName, game.folders.gameName);
    defs.setDefsRow(model::row::RegisterCount, std::to_string(game.registerCount));
    game.writePositionRows();
    defs.setDefsRow(model::row::GameWidth, std::to_string(game.window.width));
    defs.setDefsRow(model::row::GameHeight, std::to_string(game.window.height));
  } catch (const std::exception&) {
    // The table keeps the rows it had; it is saved as it is.
  }
  world::saveAtShutDown(game);
  try {
    game.debug.logDebug("Componentes liberados com sucesso");
  } catch (const std::exception&) {
  }
}

}  // namespace shell
