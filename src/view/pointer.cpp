// Mouse handling.
#include "view/pointer.h"

#include <algorithm>

#include "base/overloaded.h"

#include "model/game.h"
#include "view/cursors.h"
#include "view/map_page.h"
#include "view/pictures.h"

namespace view {
namespace {

QImage& visibleSurface(model::Game& game, model::PointerSurface surface) {
  auto& surfaces = game.surfaces;
  switch (surface) {
    case model::PointerSurface::Tela: return surfaces.Tela;
    case model::PointerSurface::TelCmd: return surfaces.TelCmd;
    case model::PointerSurface::Imp: return surfaces.Imp;
    case model::PointerSurface::Tela3: return surfaces.Tela3;
  }
  return surfaces.Tela;
}

// The pressed or normal picture of a slot on the visible surface, in the slot's
// rectangle (stretched when the sizes differ). The buffers keep what the run drew.
void showSlotPicture(model::Game& game, model::PointerSurface surface, const model::HotSpot& spot, const std::string& name) {
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
void restoreSlot(model::Game& game, model::PointerSurface surface, const model::HotSpot& spot) {
  if (isPictureName(spot.picture)) return showSlotPicture(game, surface, spot, spot.picture);
  const auto& surfaces = game.surfaces;
  const QImage* composed = surface == model::PointerSurface::Tela     ? &surfaces.BufTela
                           : surface == model::PointerSurface::TelCmd ? &surfaces.BufFunc
                           : surface == model::PointerSurface::Tela3  ? &surfaces.TelMod3
                                                               : nullptr;
  if (!composed) return;
  const QRect area = QRect(spot.x, spot.y, spot.width, spot.height).intersected(composed->rect());
  if (!area.isEmpty()) graphics::drawTransparent(visibleSurface(game, surface), composed->copy(area), area.x(), area.y());
  game.host.repaint();
}

// A script a click runs; on the main picture the window catches up first.
std::string scriptRun(model::Game& game, model::PointerSurface surface, std::string name) {
  if (surface == model::PointerSurface::Tela) game.host.processEvents();
  return name;
}

// What a click on a slot with this action does once its picture is back: the
// script it runs, or nothing.
std::string act(model::Game& game, model::PointerSurface surface, const model::HotSpotAction& action) {
  return std::visit(
      base::Overloaded{
          [](const model::NoAction&) { return std::string(); },
          [&](const model::OpenWebPage& page) {
            game.host.openWebPage(page.address);
            return std::string();
          },
          [&](const model::RefusedAddress& refused) {
            game.host.errorBox("Endere\xE7o recusado: s\xF3 endere\xE7os http:// e https:// abrem no navegador (" +
                               refused.text + ")");
            return std::string();
          },
          [&](const model::MapSwitch&) {
            if (surface != model::PointerSurface::TelCmd && surface != model::PointerSurface::Imp)
              return scriptRun(game, surface, std::string(model::kMapSwitchText));
            toggleMapPage(game);
            return std::string();
          },
          [&](const model::RunScript& run) { return scriptRun(game, surface, run.name); },
      },
      action);
}

}  // namespace

void pointerMoved(model::Game& game, model::PointerSurface surface, int x, int y) {
  auto& pointer = game.pointer;
  pointer.over = surface;
  pointer.hoveredSlot = game.hotSpots.hitTest(surface, x, y);
  pointer.cursor = pointer.hoveredSlot < 0
                       ? baseCursor(game, surface)
                       : static_cast<int>(cursorFor(game.hotSpots.spots[static_cast<size_t>(pointer.hoveredSlot)].cursorCode));
  // Dragging the window by its skin: the press point stays under the pointer.
  if (surface == model::PointerSurface::Imp && pointer.buttonHeldOnSkin && pointer.hoveredSlot < 0) {
    game.window.left = graphics::clampCoordinate(int64_t(game.window.left) + x - pointer.pressX);
    game.window.top = graphics::clampCoordinate(int64_t(game.window.top) + y - pointer.pressY);
  }
}

std::string pressRuns(const model::Game& game, model::PointerSurface surface) {
  return surface == model::PointerSurface::Tela ? game.screen.pictureLinkScript : std::string();
}

int slotUnderPress(const model::Game& game, model::PointerSurface surface, int x, int y) {
  return game.hotSpots.hitTest(surface, x, y);
}

void pointerPressed(model::Game& game, model::PointerSurface surface, int slot, int x, int y) {
  auto& pointer = game.pointer;
  if (surface == model::PointerSurface::Imp) {
    pointer.buttonHeldOnSkin = true;
    pointer.pressX = x;
    pointer.pressY = y;
  }
  pointer.hoveredSlot = slot;
  pointer.pressedSlot = slot;
  pointer.pressedOn = surface;
  if (slot < 0) return;
  const model::HotSpot spot = game.hotSpots.spots[static_cast<size_t>(slot)];
  // The main picture reacts to a press only when the slot has a pressed picture.
  if (surface == model::PointerSurface::Tela && spot.pressedPicture.empty()) return;
  if (!spot.clickSound.empty()) game.sound().playEffect(spot.clickSound, platform::EffectMode::Once);
  if (!spot.pressedPicture.empty()) showSlotPicture(game, surface, spot, spot.pressedPicture);
  game.host.processEvents();
}

std::string pointerReleased(model::Game& game, model::PointerSurface surface, int x, int y) {
  auto& pointer = game.pointer;
  if (surface == model::PointerSurface::Imp) pointer.buttonHeldOnSkin = false;
  const int pressed = pointer.pressedOn == surface ? pointer.pressedSlot : -1;
  pointer.pressedSlot = -1;
  const int slot = game.hotSpots.hitTest(surface, x, y);
  pointer.hoveredSlot = slot;
  if (pressed < 0) return {};
  const model::HotSpot spot = game.hotSpots.spots[static_cast<size_t>(pressed)];
  if (!spot.pressedPicture.empty()) restoreSlot(game, surface, spot);
  // A release outside the slot the button went down on does nothing. A slot
  // the whole-picture link's run left unregistered keeps its script and
  // rectangle until a registration overwrites them: the click still acts.
  if (spot.active ? slot != pressed : !spot.holds(x, y)) return {};
  return act(game, surface, spot.action);
}

int page3ScrollRange(const model::Game& game) {
  const QImage& page = game.surfaces.Tela3.isNull() ? game.surfaces.TelMod3 : game.surfaces.Tela3;
  return std::max(0, page.height() + 2 * model::kTela3Top - game.screen.Sbox2.height);
}

bool wheelTurned(model::Game& game, int x, int y, int delta) {
  const model::Control& box = game.screen.Sbox2;
  if (x < 0 || x > box.width || y < 0 || y > box.height) return false;
  auto& scroll = game.pointer.page3Scroll;
  scroll = static_cast<int>(std::clamp<int64_t>(int64_t(scroll) - delta, 0, page3ScrollRange(game)));
  game.host.repaint();
  return true;
}

}  // namespace view
