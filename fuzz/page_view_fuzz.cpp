// Fuzz target: the window's page view given a page of any bytes, as the engine
// hands it a page without a file; the page is laid out and painted. The game
// folder holds one picture, figura.png, for the page's images.
#include <QImage>
#include <QTextDocument>

#include "fuzz/fuzz_game.h"
#include "fuzz/targets.h"
#include "ui/game_page.h"

namespace fuzz {

void pageView(std::string_view input) {
  FuzzGame fuzzGame;
  QImage picture(4, 3, QImage::Format_RGB32);
  picture.fill(Qt::red);
  picture.save(QString::fromStdString((fuzzGame.folder() / "figura.png").string()));
  if (!fuzzGame.start()) return;
  static ui::Publisher publisher;
  static ui::GamePage* gamePage = [] {
    auto* made = new ui::GamePage(publisher);
    made->resize(640, 480);
    return made;
  }();
  fuzzGame.game->screen.viewerPage = model::ViewerPage::Page;
  fuzzGame.game->screen.pageShown.clear();
  fuzzGame.game->screen.pageHtml = std::string(input);
  gamePage->refresh(*fuzzGame.game);
  gamePage->WebB->document()->setTextWidth(600);
  (void)gamePage->WebB->document()->size();
  (void)gamePage->WebB->grab();
}

}  // namespace fuzz
