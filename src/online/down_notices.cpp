// "Down" page notices.
#include "online/down_notices.h"

#include "model/game.h"

namespace online {

void pageChanged(model::Game& game) { game.host.repaint(); }

void setNotice(model::Game& game, const std::string& text) {
  game.online.page.lbAviso.caption = text;
  game.textProduced(platform::TextSink::DownNotice, text);
  pageChanged(game);
}

void showFileName(model::Game& game, const std::string& name) {
  game.online.page.Lbx.caption = name;
  pageChanged(game);
}

void progressLine(model::Game& game, size_t done, size_t total, const std::string& name) {
  game.textProduced(platform::TextSink::DownProgress, "[" + std::to_string(done) + "/" + std::to_string(total) + "] " + name);
}

}  // namespace online
