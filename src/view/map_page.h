// The map page "Mapa" of the viewer: opening it around the player's place,
// closing it back to the display mode's page, dragging the map, the marker Voce,
// and the opening view the map window's toggle shows.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace model { struct Game; }

namespace view {

// One axis of the view placed around the player's map position p: the scroll
// position and where the marker stands in the view. The marker stands in the
// middle of the view, or at p itself near the map's origin, or as far along as
// the map goes near its far edge. The scroll position never leaves 0..map-view.
struct AxisPlacement {
  int scroll = 0;
  int marker = 0;  // in the view
};
AxisPlacement placeOnAxis(int p, int viewSize, int markerSize, int mapSize);

// showmap on: the command box hidden, the viewer shows "Mapa" at Sbc1's size,
// and the view is placed around the position posmap= gave the marker.
void openMapPage(model::Game& game);
// showmap off: the viewer shows the display mode's page and takes back what
// the mode lays out (command box, strip, viewer size).
void closeMapPage(model::Game& game);

// The map window's toggle: opens the page at the opening view of posmap=
// (remembering the command box and the viewer height), or closes it giving them back.
void toggleMapPage(model::Game& game);

// The drag: a press on the map at (x, y) in map pixels, moves while pressed
// (the map follows the pointer), the release.
void mapPressed(model::Game& game, int x, int y);
void mapMoved(model::Game& game, int x, int y);
void mapReleased(model::Game& game);

// A click on Voce: the viewer shows the display mode's page again; returns the
// location script to run, or nothing when Posic is empty.
std::optional<std::string> voceClicked(model::Game& game);

// How far Sbc1 can scroll the map: the map's size beyond the box, 0 at least.
int mapScrollRangeX(const model::Game& game);
int mapScrollRangeY(const model::Game& game);

// Snapshot rows: mapScrollX, mapScrollY, voceX, voceY.
std::vector<std::pair<std::string, std::string>> mapStateRows(const model::Game& game);

}  // namespace view
