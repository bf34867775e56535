// Mouse handling.
#include "view/pointer.h"

#include <algorithm>

#include "shell/game.h"
#include "view/cursors.h"
#include "view/map_page.h"
#include "view/pictures.h"
#include "view/web_address.h"

namespace view {
namespace {

QImage& visibleSurface(shell::Game& game, PointerSurface surface) {
  auto& surfaces = game.surfaces;
  switch (surface) {
    case PointerSurface::Tela: return surfaces.Tela;
    case PointerSurface::TelCmd: return surfaces.TelCmd;
    case PointerSurface::Imp: return surfaces.Imp;
    case PointerSurface::Tela3: return surfaces.Tela3;
  }
  return surfaces.Tela;
}

// The pressed or normal picture of a slot on the visible surface, in the slot's
// rectangle (stretched when the sizes differ). The buffers keep what the run drew.
void showSlotPicture(shell::Game& game, PointerSurface surface, const HotSpot& spot, const std::string& name) {
  loadPicture(game, name, graphics::SurfaceId::BufShp);
  const QImage& picture = game.surfaces.BufShp;
  const int width = spot.width > 0 ? spot.width : picture.width();
  const int height = spot.height > 0 ? spot.height : picture.height();
  QImage& onto = visibleSurface(game, surface);
  if (width == picture.width() && height == picture.height())
    graphics::drawTransparent(onto, picture, spot.x, spot.y);
  else
    graphics::drawTransparentStretched(onto, picture, QRect(spot.x, spot.y, width, height));
  game.host.repaint();
}

// The normal look of a slot after a press: its picture, or, for a text link or
// a slot without a picture, what the run composed there (the skin keeps no copy).
void restoreSlot(shell::Game& game, PointerSurface surface, const HotSpot& spot) {
  if (isPictureName(spot.picture)) return showSlotPicture(game, surface, spot, spot.picture);
  const auto& surfaces = game.surfaces;
  const QImage* composed = surface == PointerSurface::Tela     ? &surfaces.BufTela
                           : surface == PointerSurface::TelCmd ? &surfaces.BufFunc
                           : surface == PointerSurface::Tela3  ? &surfaces.TelMod3
                                                               : nullptr;
  if (!composed) return;
  const QRect area = QRect(spot.x, spot.y, spot.width, spot.height).intersected(composed->rect());
  if (!area.isEmpty()) graphics::drawTransparent(visibleSurface(game, surface), composed->copy(area), area.x(), area.y());
  game.host.repaint();
}

// What a click on a slot with this script does once its picture is back.
std::string action(shell::Game& game, PointerSurface surface, const std::string& script) {
  if (script.empty()) return {};
  if (auto address = webAddressIn(script)) {
    game.host.openWebPage(*address);
    return {};
  }
  if (isOtherAddress(script)) {
    game.host.errorBox("Endere\xE7o recusado: s\xF3 endere\xE7os http:// e https:// abrem no navegador (" + script +
                       ")");
    return {};
  }
  if (script == "picFmap" && (surface == PointerSurface::TelCmd || surface == PointerSurface::Imp)) {
    toggleMapPage(game);
    return {};
  }
  if (surface == PointerSurface::Tela) game.host.processEvents();
  return script;
}

}  // namespace

void pointerMoved(shell::Game& game, PointerSurface surface, int x, int y) {
  auto& pointer = game.pointer;
  pointer.over = surface;
  pointer.hoveredSlot = game.hotSpots.hitTest(surface, x, y);
  pointer.cursor = pointer.hoveredSlot < 0
                       ? baseCursor(game, surface)
                       : static_cast<int>(cursorFor(game.hotSpots.spots[static_cast<size_t>(pointer.hoveredSlot)].cursorCode));
  // Dragging the window by its skin: the press point stays under the pointer.
  if (surface == PointerSurface::Imp && pointer.buttonHeldOnSkin && pointer.hoveredSlot < 0) {
    game.window.left = graphics::clampCoordinate(int64_t(game.window.left) + x - pointer.pressX);
    game.window.top = graphics::clampCoordinate(int64_t(game.window.top) + y - pointer.pressY);
  }
}

std::string pressRuns(const shell::Game& game, PointerSurface surface) {
  return surface == PointerSurface::Tela ? game.screen.pictureLinkScript : std::string();
}

int slotUnderPress(const shell::Game& game, PointerSurface surface, int x, int y) {
  return game.hotSpots.hitTest(surface, x, y);
}

void pointerPressed(shell::Game& game, PointerSurface surface, int slot, int x, int y) {
  auto& pointer = game.pointer;
  if (surface == PointerSurface::Imp) {
    pointer.buttonHeldOnSkin = true;
    pointer.pressX = x;
    pointer.pressY = y;
  }
  pointer.hoveredSlot = slot;
  pointer.pressedSlot = slot;
  pointer.pressedOn = surface;
  if (slot < 0) return;
  const HotSpot spot = game.hotSpots.spots[static_cast<size_t>(slot)];
  // The main picture reacts to a press only when the slot has a pressed picture.
  if (surface == PointerSurface::Tela && spot.pressedPicture.empty()) return;
  if (!spot.clickSound.empty()) game.host.sound().playEffect(spot.clickSound, platform::EffectMode::Once);
  if (!spot.pressedPicture.empty()) showSlotPicture(game, surface, spot, spot.pressedPicture);
  game.host.processEvents();
}

std::string pointerReleased(shell::Game& game, PointerSurface surface, int x, int y) {
  auto& pointer = game.pointer;
  if (surface == PointerSurface::Imp) pointer.buttonHeldOnSkin = false;
  const int pressed = pointer.pressedOn == surface ? pointer.pressedSlot : -1;
  pointer.pressedSlot = -1;
  const int slot = game.hotSpots.hitTest(surface, x, y);
  pointer.hoveredSlot = slot;
  if (pressed < 0) return {};
  const HotSpot spot = game.hotSpots.spots[static_cast<size_t>(pressed)];
  if (!spot.pressedPicture.empty()) restoreSlot(game, surface, spot);
  // A release outside the slot the button went down on does nothing. A slot
  // the whole-picture link's run left unregistered keeps its script and
  // rectangle until a registration overwrites them: the click still acts.
  if (spot.active ? slot != pressed : !spot.holds(x, y)) return {};
  return action(game, surface, spot.script);
}

int page3ScrollRange(const shell::Game& game) {
  const QImage& page = game.surfaces.Tela3.isNull() ? game.surfaces.TelMod3 : game.surfaces.Tela3;
  return std::max(0, page.height() + 2 * kTela3Top - game.screen.Sbox2.height);
}

bool wheelTurned(shell::Game& game, int x, int y, int delta) {
  const Control& box = game.screen.Sbox2;
  if (x < 0 || x > box.width || y < 0 || y > box.height) return false;
  auto& scroll = game.pointer.page3Scroll;
  scroll = static_cast<int>(std::clamp<int64_t>(int64_t(scroll) - delta, 0, page3ScrollRange(game)));
  game.host.repaint();
  return true;
}

}  // namespace view
