// Game: the one object that owns the whole state of the player for its lifetime
// (the original's main window). It is made of per-subsystem parts; statement
// handlers receive it and touch the part they own.
#pragma once
#include <functional>
#include <random>
#include <string>

#include "graphics/surfaces.h"
#include "input/parser_state.h"
#include "platform/host.h"
#include "script/dispatch.h"
#include "script/registers.h"
#include "script/runner_state.h"
#include "shell/debug_log.h"
#include "shell/defs.h"
#include "shell/folders.h"
#include "view/map_state.h"
#include "view/screen_model.h"
#include "world/world_state.h"

namespace shell {

struct Game {
  explicit Game(platform::Host& host);

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

  // Player input: the typed-command parser's memory.
  input::ParserState parser;

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
