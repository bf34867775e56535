// The map page.
#include "view/map_page.h"

#include <algorithm>
#include <cstdint>

#include "graphics/surfaces.h"
#include "model/game.h"
#include "view/layout_rows.h"

namespace view {

namespace row = model::row;

namespace {

int clampScroll(int64_t value, int range) { return static_cast<int>(std::clamp<int64_t>(value, 0, range)); }

// The scroll positions kept within the box's range.
void setScroll(model::Game& game, int64_t x, int64_t y) {
  game.map.scrollX = clampScroll(x, mapScrollRangeX(game));
  game.map.scrollY = clampScroll(y, mapScrollRangeY(game));
}

void showModePage(model::Game& game) { game.screen.viewerPage = model::ViewerPageSetting::of(game.screen.Modelo); }

}  // namespace

AxisPlacement placeOnAxis(int p, int viewSize, int markerSize, int mapSize) {
  // The far edge counts once the centred view would pass it (p - half beyond
  // the range), so the view never jumps there while the player is still far off.
  const int half = (viewSize - markerSize) / 2;
  const int range = std::max(0, mapSize - viewSize);
  if (p < half) return {0, p};
  if (int64_t(p) - half > range) return {range, p - range};
  return {p - half, half};
}

int mapScrollRangeX(const model::Game& game) {
  return std::max(0, game.map.MapJog.width() - game.screen.Sbc1.width);
}
int mapScrollRangeY(const model::Game& game) {
  return std::max(0, game.map.MapJog.height() - game.screen.Sbc1.height);
}

void openMapPage(model::Game& game) {
  auto& screen = game.screen;
  auto& map = game.map;
  screen.Input.visible = false;
  screen.viewerPage = model::ViewerPage::Map;
  screen.Abok1.width = screen.Sbc1.width;
  screen.Abok1.height = screen.Sbc1.height;
  game.host.repaint();
  game.host.processEvents();
  // The player's map position is where posmap= put the marker.
  const AxisPlacement x =
      placeOnAxis(map.openMarkerX, screen.Sbc1.width, model::kMarkerWidth, map.MapJog.width());
  const AxisPlacement y =
      placeOnAxis(map.openMarkerY, screen.Sbc1.height, model::kMarkerHeight, map.MapJog.height());
  setScroll(game, x.scroll, y.scroll);
  map.voceX = map.scrollX + x.marker;
  map.voceY = map.scrollY + y.marker;
  game.host.repaint();
}

void closeMapPage(model::Game& game) {
  auto& screen = game.screen;
  const auto& defs = game.Defs;
  showModePage(game);
  if (screen.isTypewriterMode() || screen.isStripMode()) {
    if (screen.isStripMode()) screen.Msg.visible = defs.isOn(row::MsgShown);
    screen.Input.visible = defs.isOn(row::InputShown);
    screen.Abok1.height = rowNumber(game, row::ViewerHeight);
  } else if (screen.isPageMode()) {
    screen.Input.visible = false;
    screen.Abok1.width = rowNumber(game, row::ViewerWidth);
    screen.Abok1.height = rowNumber(game, row::InputTop) + rowNumber(game, row::InputHeight) - screen.Abok1.y;
  } else if (screen.isCanvasMode()) {
    screen.Abok1.width = rowNumber(game, row::CanvasViewerWidth);
    screen.Abok1.height = rowNumber(game, row::CanvasViewerHeight);
  }
  game.host.repaint();
}

void toggleMapPage(model::Game& game) {
  auto& screen = game.screen;
  auto& map = game.map;
  if (screen.viewerPage == model::ViewerPage::Map) {
    showModePage(game);
    screen.Abok1.height = map.viewerHeight;
    screen.Input.visible = map.inputWasVisible;
  } else {
    map.inputWasVisible = screen.Input.visible;
    map.viewerHeight = screen.Abok1.height;
    screen.Input.visible = false;
    screen.viewerPage = model::ViewerPage::Map;
    screen.Abok1.height = rowNumber(game, row::MapHeight);
    setScroll(game, map.openScrollX, map.openScrollY);
    map.voceX = map.openMarkerX;
    map.voceY = map.openMarkerY;
    game.host.repaint();
    game.host.processEvents();
  }
  game.host.repaint();
}

void mapPressed(model::Game& game, int x, int y) {
  auto& map = game.map;
  map.pressed = true;
  map.pressX = x;
  map.pressY = y;
}

// The press point stays where it was on the map: as the map moves under the
// pointer, the pointer's map position comes back to it.
void mapMoved(model::Game& game, int x, int y) {
  auto& map = game.map;
  if (!map.pressed) return;
  setScroll(game, int64_t(map.scrollX) + map.pressX - x, int64_t(map.scrollY) + map.pressY - y);
  game.host.repaint();
}

void mapReleased(model::Game& game) { game.map.pressed = false; }

std::optional<std::string> voceClicked(model::Game& game) {
  auto& screen = game.screen;
  showModePage(game);
  game.host.repaint();
  if (game.world.Posic.empty()) return std::nullopt;
  if (screen.isTypewriterMode() || screen.isStripMode()) screen.Abok1.width = rowNumber(game, row::ViewerWidth);
  return game.world.Posic;
}

std::vector<std::pair<std::string, std::string>> mapStateRows(const model::Game& game) {
  const auto& map = game.map;
  return {{"mapScrollX", std::to_string(map.scrollX)},
          {"mapScrollY", std::to_string(map.scrollY)},
          {"voceX", std::to_string(map.voceX)},
          {"voceY", std::to_string(map.voceY)}};
}

}  // namespace view
