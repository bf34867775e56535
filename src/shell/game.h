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

// GameState: everything a game is at one moment, as plain values. It can be
// copied (a snapshot for undo) and assigned back; pictures are shared between
// copies until one of them changes, so a snapshot costs little more than its text.
struct GameState {
  // Shell and configuration.
  Folders folders;
  DefinitionsTable Defs;

  // Script engine.
  script::RunnerState runner;
  script::Registers Regs;
  int32_t registerCount = 250;
  std::string IniScp = "start";
  std::string RetScp = "start";
  std::string commandsScript = "comandos";

  // World model and presentation.
  world::WorldState world;
  view::MapState map;
  view::ScreenModel screen;
  graphics::Surfaces surfaces;
  view::WindowGeometry window;
  view::HotSpots hotSpots;
  view::PointerState pointer;

  // Media: music, effects, rain.
  media::MediaState media;

  // Player input: the typed-command parser's memory.
  input::ParserState parser;

  // On-line content: the server's file list, request headers, the "Down" page.
  online::OnlineState online;

  // The program's random generator, seeded from the clock at start-up.
  std::mt19937 random;
};

// Game: the state and what cannot be copied with it: the host, the dispatch
// table, the debug log's file, the sound player and the hooks of the front ends.
struct Game : GameState {
  explicit Game(platform::Host& host);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  platform::Host& host;
  DebugLog debug;
  script::Dispatch dispatch;

  // The sound player serves the host's sound requests while the game exists.
  std::unique_ptr<platform::SoundOut> soundPlayer;

  // Fetches a fresh copy of a content file from the server when one is due (set
  // at start-up by the on-line subsystem, which the readers below it cannot call).
  std::function<bool(const std::string& name)> resolveContentFile;
  // What every reader of a content file calls first: in on-line play (row 103)
  // the file is resolved against the server.
  void refreshBeforeReading(const std::string& name) {
    if (Defs.isOn(row::OnlineGame) && resolveContentFile) resolveContentFile(name);
  }

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

  GameState& state() { return *this; }
  const GameState& state() const { return *this; }
};

}  // namespace shell
