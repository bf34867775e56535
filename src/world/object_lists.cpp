// Counting and listing the objects at a place.
#include "world/object_lists.h"

#include "model/game.h"
#include "view/pictures.h"
#include "world/object_table.h"

namespace world {
namespace {

// Icons are laid out three to a row on 80-pixel cells; gathering stops when
// the fourth row is full.
constexpr size_t kMaxIcons = 12;

template <typename Item>
void listWith(model::Game& game, model::Statement& s, Item item) {
  base::Lines items;
  for (size_t record : objectsAt(game.world, resolveLocAlias(game, s.arg(1)))) items.push_back(item(record));
  resultRegister(game, s.arg(2)) = joinObjectList(items);
}

}  // namespace

void countObjects(model::Game& game, model::Statement& s) {
  size_t count = objectsAt(game.world, resolveLocAlias(game, s.arg(1))).size();
  resultRegister(game, s.arg(2)) = std::to_string(count);
}

void listObjects(model::Game& game, model::Statement& s) {
  listWith(game, s, [&](size_t record) { return field(game.world, record, Field::Dsc); });
}

void listObjectLinks(model::Game& game, model::Statement& s) {
  listWith(game, s, [&](size_t record) {
    return "<a href=Scp=" + field(game.world, record, Field::Key) + ">" + field(game.world, record, Field::Dsc) + "</a>";
  });
}

void gatherObjectIcons(model::Game& game, model::Statement& s) {
  const std::string& which = s.arg(1);
  if (game.screen.isTypewriterMode() || (which != "loc" && which != kInventory)) return;
  auto& icons = game.world.ObjtsClk;
  icons.clear();
  for (size_t record : objectsAt(game.world, resolveLocAlias(game, which))) {
    if (icons.size() == kMaxIcons) break;
    icons.push_back(field(game.world, record, Field::Key));
    // The icon's picture goes through the picture loader into the scratch
    // surface and is not shown: the load only logs a missing file (and, in
    // on-line play, fetches it).
    view::loadPicture(game, field(game.world, record, Field::Shp), graphics::SurfaceId::BufShp);
  }
}

}  // namespace world
