// The map toggle. Placing the view on the map when it opens belongs to the map.
#include "view/map_toggle.h"

#include "shell/game.h"

namespace view {

void toggleMapPage(shell::Game& game) {
  auto& screen = game.screen;
  auto& pointer = game.pointer;
  if (screen.viewerPage != "Mapa") {
    pointer.inputWasVisible = screen.Input.visible;
    pointer.viewerHeight = screen.Abok1.height;
    screen.Input.visible = false;
    screen.viewerPage = "Mapa";
  } else {
    screen.viewerPage = screen.Modelo;
    screen.Abok1.height = pointer.viewerHeight;
    screen.Input.visible = pointer.inputWasVisible;
  }
  game.host.repaint();
}

}  // namespace view
