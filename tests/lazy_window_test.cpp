// What the window leaves until it is on show still comes when it is: the map
// marker's picture with the map, the support page's badges and QR code when the
// page is chosen; and of the publisher's badges only those shown are painted.
// The title picture begun before the window exists is the one the window shows;
// a badge without a word carries a star, drawn rather than written.
#include <gtest/gtest.h>

#include "model/defs.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "ui/artwork.h"
#include "ui/pix_page.h"
#include "ui/title_picture.h"
#include "ui/window_session.h"
#include "model/map_state.h"

using namespace testing_support;

namespace {

// A scripted window on a game of one picture panel and a map.
struct LazyWindow {
  explicit LazyWindow(double scale = 0) {
    base::Lines table = model::DefinitionsTable::builtInRows();
    table[93] = "*";  // keeps the window rectangular
    writeGameFiles(folder, base::Lines(60), table);
    folder.write("abertura.scx", "modo= 1\nsetpos= sala\nmsg= Bem-vindo.");
    writeRgbPng(folder.path() / "grande.png", testPattern(400, 300));
    folder.write("mapa.scx", "modo= 1\nsetpos= sala\nloadmap= grande.png,\nposmap= 200,100,0,0\nshowmap on");
    ui::WindowOptions options;
    options.start.gameFolder = folder.path().string();
    options.scripted = true;
    options.scale = scale;
    session = std::make_unique<ui::WindowSession>(options);
    session->start();
  }
  ui::GamePage& page() { return *session->window.gamePage; }

  TempFolder folder;
  std::unique_ptr<ui::WindowSession> session;
};

struct LazyWindowTest : ::testing::Test, LazyWindow {};

}  // namespace

TEST_F(LazyWindowTest, TheMapMarkerIsReadWhenTheMapIsFirstOnShow) {
  session->deliver({shell::PlayerInput::Kind::Start, {}});
  EXPECT_TRUE(page().Voce->picture().isNull());  // no map yet: nothing read
  session->deliver({shell::PlayerInput::Kind::Run, "mapa"});
  ASSERT_TRUE(page().Sbc1->isVisible());
  EXPECT_EQ(page().Voce->picture().size(), QSize(model::kMarkerWidth, model::kMarkerHeight));
}

TEST_F(LazyWindowTest, TheSupportPagePaintsItsPicturesWhenFirstChosen) {
  ui::PixPage* pix = page().pagePix;
  EXPECT_TRUE(pix->Image7->picture().isNull());
  session->deliver({shell::PlayerInput::Kind::Run, "pagpix"});
  ASSERT_EQ(page().Abok1->currentWidget(), static_cast<QWidget*>(pix));
  for (ui::PictureWidget* picture : {pix->Image6, pix->Image9}) EXPECT_EQ(picture->picture().size(), QSize(48, 48));
  const QImage code = pix->Image7->picture();
  ASSERT_FALSE(code.isNull());
  // The code is placed at its own size, wherever it was placed before it was painted.
  EXPECT_EQ(pix->Image7->size(), code.size());
}

TEST_F(LazyWindowTest, WithoutAPublisherOnlyTheShownBadgeIsPainted) {
  ui::OpeningPage* opening = session->window.openingPage;
  EXPECT_FALSE(opening->Image2->picture().isNull());
  for (ui::PictureWidget* link : {opening->Image1, opening->Image3, opening->Image4, opening->Image5}) {
    EXPECT_FALSE(link->isVisibleTo(opening));
    EXPECT_TRUE(link->picture().isNull());
  }
}

TEST(EarlyTitle, TheTitleBegunBeforeTheWindowIsTheOneItShowsAtEverySize) {
  for (double scale : {1.0, 2.0}) {
    const QImage expected = ui::paintTitlePicture(static_cast<int>(900 * scale), static_cast<int>(420 * scale));
    ui::EarlyTitlePicture early(scale);
    LazyWindow window(scale);
    EXPECT_EQ(window.session->window.openingPage->TelAber->picture(), expected) << scale;
  }
  // Begun at a scale the window does not take, it is left; without one, the
  // title is painted when it is asked for.
  {
    ui::EarlyTitlePicture early(2.0);
    LazyWindow window;
    EXPECT_EQ(window.session->window.openingPage->TelAber->picture(), ui::paintTitlePicture(900, 420));
  }
  EXPECT_EQ(ui::titlePicture(ui::Scale{0.5}).get(), ui::paintTitlePicture(450, 210));
}

TEST(OpeningBadges, ABadgeWithoutAWordCarriesAStar) {
  const QImage star = ui::paintBadge(QString(), qRgb(90, 90, 110), 56);
  EXPECT_EQ(star.pixel(28, 28), qRgb(255, 255, 255));     // the star's middle
  EXPECT_EQ(qAlpha(star.pixel(1, 1)), 0);                 // outside the badge
  const QRgb between = star.pixel(28, 40);                // the badge below the star
  EXPECT_LT(qRed(between), 200);
  EXPECT_GT(qAlpha(between), 200);
}
