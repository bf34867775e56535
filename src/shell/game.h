// Game: the one object that owns the whole state of the player for its lifetime
// (the original's main window). It is made of per-subsystem parts; statement
// handlers receive it and touch the part they own.
#pragma once
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "graphics/surfaces.h"
#include "input/parser_state.h"
#include "media/media_state.h"
#include "online/online_state.h"
#include "platform/host.h"
#include "script/dispatch.h"
#include "script/registers.h"
#include "script/runner_state.h"
#include "shell/debug_log.h"
#include "shell/defs.h"
#include "shell/folders.h"
#include "view/map_state.h"
#include "view/hot_spots.h"
#include "view/screen_model.h"
#include "world/world_state.h"

namespace shell {

struct Game {
  explicit Game(platform::Host& host);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  platform::Host& host;

  // Shell and configuration.
  Folders folders;
  DefinitionsTable Defs;
  DebugLog debug;

  // Script engine.
  script::RunnerState runner;
  script::Registers Regs;
  int32_t registerCount = 250;
  std::string IniScp = "start";
  std::string RetScp = "start";
  std::string commandsScript = "comandos";
  script::Dispatch dispatch;

  // World model and presentation.
  world::WorldState world;
  view::MapState map;
  view::ScreenModel screen;
  graphics::Surfaces surfaces;
  view::WindowGeometry window;
  view::HotSpots hotSpots;
  view::PointerState pointer;

  // Media: music, effects, rain; the sound player serves the host's sound
  // requests while the game exists.
  media::MediaState media;
  std::unique_ptr<platform::SoundOut> soundPlayer;

  // Player input: the typed-command parser's memory.
  input::ParserState parser;

  // On-line content: the server's file list, request headers, the "Down" page.
  online::OnlineState online;
  // Fetches a fresh copy of a content file from the server when one is due (set
  // at start-up by the on-line subsystem, which the readers below it cannot call).
  std::function<bool(const std::string& name)> resolveContentFile;
  // What every reader of a content file calls first: in on-line play (row 103)
  // the file is resolved against the server.
  void refreshBeforeReading(const std::string& name) {
    if (Defs.isOn(row::OnlineGame) && resolveContentFile) resolveContentFile(name);
  }

  // The program's random generator, seeded from the clock at start-up.
  std::mt19937 random;

  // The game position carried by table rows 6-10: initial script, current
  // script, return script, current object and location.
  void readPositionRows();
  void writePositionRows();

  // Receives every statement trace line; the player discards them unless asked
  // to write them to a file.
  std::function<void(const std::string&)> traceHook;
  void trace(const std::string& line) {
    if (traceHook) traceHook(line);
  }
};

}  // namespace shell
