// GameState: everything a game is at one moment, as plain values. It can be
// copied (a snapshot for undo) and assigned back; pictures are shared between
// copies until one of them changes, so a snapshot costs little more than its text.
#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "graphics/surfaces.h"
#include "model/defs.h"
#include "model/folders.h"
#include "model/hot_spots.h"
#include "model/map_state.h"
#include "model/media_state.h"
#include "model/online_state.h"
#include "model/parser_state.h"
#include "model/registers.h"
#include "model/runner_state.h"
#include "model/screen_model.h"
#include "model/world_state.h"

namespace model {

struct GameState {
  // Where the game lives and its definitions table.
  Folders folders;
  DefinitionsTable Defs;

  // Script engine.
  RunnerState runner;
  Registers Regs;
  int32_t registerCount = 250;
  std::string IniScp = "start";
  std::string RetScp = "start";
  std::string commandsScript = "comandos";

  // World model and presentation.
  WorldState world;
  MapState map;
  ScreenModel screen;
  graphics::Surfaces surfaces;
  WindowGeometry window;
  HotSpots hotSpots;
  PointerState pointer;

  // Media: music, effects, rain.
  MediaState media;

  // Player input: the typed-command parser's memory.
  ParserState parser;

  // On-line content: the server's file list, request headers, the "Down" page.
  OnlineState online;

  // The program's random generator, seeded from the clock at start-up.
  std::mt19937 random;
};

}  // namespace model
