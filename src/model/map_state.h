// The map: its picture MapJog, the map window cut out of it onto a panel, and
// the map page "Mapa" of the viewer (the scroll box Sbc1, the marker Voce, the
// drag). Positions of the marker are on the map picture; the scroll positions
// are the map's points at the top-left corner of Sbc1.
#pragma once
#include <QImage>
#include <filesystem>
#include <optional>
#include <string>

namespace model {

// The player marker Voce: a figure of this size on a transparent background.
constexpr int kMarkerWidth = 29, kMarkerHeight = 46;

struct MapState {
  QImage MapJog;  // the map picture; null until loadmap=
  std::string savedFile;  // where addmap= last saved it (a name in the game folder)

  // The saved map: the file MapJog was last read from or saved to while it is
  // unchanged since (empty when none), and a map addmap= drew that goes to the
  // disk with the run's save.
  std::filesystem::path mapInFile;
  struct UnsavedMap {
    std::filesystem::path file;
    QImage picture;
  };
  std::optional<UnsavedMap> unsavedMap;

  // The map window (defpicmap=): target "tel", "fnc" or "pan" and its rectangle
  // there; the origin, the map point shown at its top left (picmap=).
  std::string windowTarget;
  int windowX = 0, windowY = 0, windowWidth = 0, windowHeight = 0;
  int originX = 0, originY = 0;

  // The opening view (posmap=): where Voce stands on the map and the scroll
  // positions the map page opens at from the map window.
  int openMarkerX = 0, openMarkerY = 0, openScrollX = 0, openScrollY = 0;

  // The map page as it shows now.
  int scrollX = 0, scrollY = 0;
  int voceX = 0, voceY = 0;

  // Dragging the map: the button is down since a press at (pressX, pressY) on the map.
  bool pressed = false;
  int pressX = 0, pressY = 0;

  // What the map window's toggle hid, given back when the page closes.
  bool inputWasVisible = true;
  int viewerHeight = 0;
};

}  // namespace model
