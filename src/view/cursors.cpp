// Cursor codes.
#include "view/cursors.h"

#include "model/game.h"

namespace view {

CursorShape cursorFor(int code) {
  return code >= 0 && code <= 11 ? static_cast<CursorShape>(code) : CursorShape::Arrow;
}

const char* cursorName(CursorShape shape) {
  static const char* const names[] = {"arrow",     "forwardArrow", "downArrow", "rightArrow",
                                      "pointingHand", "noEntry",   "leftArrow", "sight",
                                      "hidden",    "gridHand",     "hourglass", "crosshair"};
  return names[static_cast<int>(shape)];
}

int baseCursor(const model::Game& game, model::PointerSurface surface) {
  switch (surface) {
    case model::PointerSurface::Tela: return game.screen.telaCursor;
    case model::PointerSurface::Imp: return static_cast<int>(CursorShape::PointingHand);
    case model::PointerSurface::TelCmd:
    case model::PointerSurface::Tela3: return static_cast<int>(CursorShape::Arrow);
  }
  return 0;
}

}  // namespace view
