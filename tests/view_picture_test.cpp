// Picture files and surfaces: the three decoders against Qt's own readers, the
// PNG flattening, the extension rules, missing and broken files, placement with
// and without stretching, the end-of-run copies and the shaped window.
#include <gtest/gtest.h>

#include <png.h>

#include "graphics/picture_decoders.h"
#include "model/script_error.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "view/end_of_run.h"
#include "view/layout.h"
#include "view/pictures.h"
#include "view/window_shape.h"

using namespace testing_support;
using graphics::SurfaceId;

namespace {

struct PictureTest : ::testing::Test {
  PictureTest() { view::applyStartLayout(*t.game); }
  std::filesystem::path file(const std::string& name) const { return t.folder.path() / name; }
  QImage qtReading(const std::string& name) const {
    return QImage(QString::fromStdString(file(name).string())).convertToFormat(QImage::Format_RGB32);
  }
  graphics::Surfaces& surfaces() { return t.game->surfaces; }
  TestGame t;
};

// A picture with few colours (a GIF holds 256) and a magenta hole at (1, 1)-(3, 2).
QImage fewColours(int width, int height, bool hole = false) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb((x % 4) * 60, (y % 5) * 50, ((x + y) % 3) * 100));
  if (hole)
    for (int y = 1; y <= 2; ++y)
      for (int x = 1; x <= 3; ++x) picture.setPixel(x, y, graphics::kMagenta);
  return picture;
}

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// A PNG that is expected to decode.
QImage decodePng(const std::filesystem::path& path, const QImage& under) {
  graphics::PngError error;
  QImage image = graphics::decodePng(path, under, error);
  EXPECT_EQ(error, graphics::PngError::None) << path;
  return image;
}

}  // namespace

TEST_F(PictureTest, OpaquePicturesDecodeAsQtReadsThem) {
  const QImage pattern = testPattern(37, 23);
  writeRgbPng(file("a.png"), pattern);
  writeJpeg(file("a.jpg"), pattern);
  writeGif(file("a.gif"), fewColours(37, 23));
  writeGif(file("b.gif"), fewColours(29, 19), true);

  EXPECT_EQ(decodePng(file("a.png"), QImage()), qtReading("a.png"));
  EXPECT_EQ(graphics::decodeGif(file("a.gif")).value(), qtReading("a.gif"));
  EXPECT_EQ(graphics::decodeGif(file("b.gif")).value(), qtReading("b.gif"));  // interlaced rows in place
  // The two JPEG decoders may round the inverse DCT differently.
  EXPECT_LE(largestChannelDifference(graphics::decodeJpeg(file("a.jpg")).value(), qtReading("a.jpg")), 2);
}

TEST_F(PictureTest, EveryPngLayoutBecomesEightBitColour) {
  PngLayout grey1{.width = 10, .height = 2, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 1};
  grey1.samples = {0xA5, 0x40, 0x5A, 0x80};
  writePng(file("g1.png"), grey1);
  PngLayout grey8{.width = 3, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 8};
  grey8.samples = {0, 128, 255};
  writePng(file("g8.png"), grey8);
  PngLayout palette{.width = 4, .height = 1, .colourType = PNG_COLOR_TYPE_PALETTE, .bitDepth = 4};
  palette.samples = {0x01, 0x23};
  palette.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
  writePng(file("p4.png"), palette);
  PngLayout deep{.width = 2, .height = 1, .colourType = PNG_COLOR_TYPE_RGB, .bitDepth = 16, .interlaced = true};
  deep.samples = {0x12, 0x34, 0xAB, 0xCD, 0xFF, 0xFF, 0x00, 0x00, 0x80, 0x00, 0x7F, 0xFF};
  writePng(file("rgb16.png"), deep);
  for (const char* name : {"g1.png", "g8.png", "p4.png"})
    EXPECT_EQ(decodePng(file(name), QImage()), qtReading(name)) << name;
  const QImage wide = decodePng(file("rgb16.png"), QImage());
  EXPECT_EQ(at(wide, 0, 0), 0x12ABFFu);  // the high byte of each 16-bit sample
  EXPECT_EQ(at(wide, 1, 0), 0x00807Fu);

  // Grey with alpha and a palette with transparency flatten like RGBA.
  PngLayout greyAlpha{.width = 2, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY_ALPHA, .bitDepth = 8};
  greyAlpha.samples = {200, 255, 200, 0};
  writePng(file("ga.png"), greyAlpha);
  const QImage under = graphics::makeSurface(2, 1, 0x102030);
  const QImage flat = decodePng(file("ga.png"), under);
  EXPECT_EQ(at(flat, 0, 0), 0xC8C8C8u);
  EXPECT_EQ(at(flat, 1, 0), 0x102030u);
}

TEST_F(PictureTest, PngAlphaIsReadInvertedAndMixedOverTheDestination) {
  // File alpha 127 is inverted alpha 128: over black each channel is 127 x source / 255.
  const QImage colour = graphics::makeSurface(3, 2, 0xC86432);
  writeRgbaPng(file("meio.png"), colour, 127);
  const QImage overBlack = decodePng(file("meio.png"), graphics::makeSurface(3, 2, 0));
  EXPECT_EQ(at(overBlack, 2, 1), qRgb(127 * 200 / 255, 127 * 100 / 255, 127 * 50 / 255) & 0xFFFFFF);
  const QImage overWhite = decodePng(file("meio.png"), graphics::makeSurface(3, 2, 0xFFFFFF));
  EXPECT_EQ(qRed(overWhite.pixel(0, 0)), (128 * 255 + 127 * 200) / 255);

  // Opaque pixels take the colour; clear ones keep what the destination showed,
  // and black where the destination's picture does not reach.
  writeRgbaPng(file("cheio.png"), colour, 255);
  writeRgbaPng(file("vazio.png"), colour, 0);
  EXPECT_EQ(at(decodePng(file("cheio.png"), QImage()), 1, 1), 0xC86432u);
  const QImage clear = decodePng(file("vazio.png"), graphics::makeSurface(2, 1, 0x445566));
  EXPECT_EQ(at(clear, 1, 0), 0x445566u);
  EXPECT_EQ(at(clear, 2, 1), 0u);

  // Loaded into the skin, the PNG is flattened over the skin as it was.
  surfaces().Imp = graphics::makeSurface(3, 2, 0xFFFFFF);
  view::loadPicture(*t.game, "meio.png", graphics::SurfaceId::Imp);
  EXPECT_EQ(surfaces().Imp.pixel(1, 1), overWhite.pixel(1, 1));
}

TEST_F(PictureTest, ExtensionsAreLowerCaseAndEveryOneIsTriedInTurn) {
  const QImage pattern = fewColours(6, 4);
  writeBmp(file("FOTO.JPG"), pattern);
  const size_t logged = t.game->debug.lines().size();
  surfaces().Hud = graphics::makeSurface(2, 2, 0x010203);
  view::loadPicture(*t.game, "FOTO.JPG", graphics::SurfaceId::Hud);
  EXPECT_EQ(surfaces().Hud.size(), QSize(2, 2));  // nothing was read

  // A bitmap named .jpg.bmp: the JPEG reading fails quietly, the bitmap one wins.
  writeBmp(file("foto.jpg.bmp"), pattern);
  view::loadPicture(*t.game, "foto.jpg.bmp", graphics::SurfaceId::Hud);
  EXPECT_EQ(surfaces().Hud, pattern);
  // A JPEG named .jpg.bmp: the JPEG is read, the bitmap reading fails quietly.
  writeJpeg(file("foto2.jpg.bmp"), testPattern(8, 8));
  view::loadPicture(*t.game, "foto2.jpg.bmp", graphics::SurfaceId::Hud);
  EXPECT_EQ(surfaces().Hud.size(), QSize(8, 8));
  EXPECT_EQ(t.game->debug.lines().size(), logged);  // the files exist: nothing logged

  // Only the name counts, not the folder the game lies in.
  std::filesystem::create_directories(file("fotos.png"));
  writeBmp(file("fotos.png") / "x.bmp", pattern);
  t.game->folders.dataFolder = base::GameFolder(file("fotos.png"));
  view::loadPicture(*t.game, "x.bmp", graphics::SurfaceId::Hud);
  EXPECT_EQ(surfaces().Hud, pattern);
}

TEST_F(PictureTest, MissingFilesAreLoggedAndOnlyAPngAborts) {
  surfaces().Hud = graphics::makeSurface(2, 2, 0x010203);
  view::loadPicture(*t.game, "nada.gif", graphics::SurfaceId::Hud);
  EXPECT_EQ(utf(t.game->debug.lines().back()), "Não encontrei arquivo: nada.gif");
  EXPECT_EQ(t.folder.readLines("debug.txt").back(), "Não encontrei arquivo: nada.gif");
  EXPECT_EQ(surfaces().Hud.size(), QSize(2, 2));
  try {
    view::loadPicture(*t.game, "nada.png", graphics::SurfaceId::Hud);
    FAIL() << "a missing PNG must abort the run";
  } catch (const model::ScriptError& error) {
    EXPECT_STREQ(error.what(), "Error Opening File nada.png!");
  }
  EXPECT_EQ(utf(t.game->debug.lines().back()), "Não encontrei arquivo: nada.png");
  // An empty name empties the surface.
  view::loadPicture(*t.game, "", graphics::SurfaceId::Hud);
  EXPECT_TRUE(surfaces().Hud.isNull());
}

TEST_F(PictureTest, BrokenFilesNeverCrashAndOnlyAPngAbortsTheRun) {
  writeRgbPng(file("curto.png"), testPattern(40, 30));
  truncateFile(file("curto.png"), 120);
  t.folder.writeBytes("lixo.png", "isto não é um PNG");
  for (const char* name : {"curto.png", "lixo.png"})
    EXPECT_THROW(view::loadPicture(*t.game, name, graphics::SurfaceId::Hud), model::ScriptError) << name;

  writeJpeg(file("curto.jpg"), testPattern(80, 60));
  truncateFile(file("curto.jpg"), std::filesystem::file_size(file("curto.jpg")) * 2 / 3);
  writeJpeg(file("cabeca.jpg"), testPattern(40, 30));
  truncateFile(file("cabeca.jpg"), 20);
  writeGif(file("curto.gif"), fewColours(40, 30));
  truncateFile(file("curto.gif"), 60);
  t.folder.writeBytes("lixo.gif", "GIF89a");
  for (const char* name : {"cabeca.jpg", "curto.gif", "lixo.gif"}) {
    surfaces().Hud = graphics::makeSurface(2, 2, 0x010203);
    EXPECT_NO_THROW(view::loadPicture(*t.game, name, graphics::SurfaceId::Hud)) << name;
    EXPECT_EQ(surfaces().Hud.size(), QSize(2, 2)) << name;  // the old picture stays
  }
  // A JPEG cut short is still read: what is missing comes out grey.
  EXPECT_EQ(graphics::decodeJpeg(file("curto.jpg")).value().size(), QSize(80, 60));

  // Pictures wider than a surface may be are refused as unreadable.
  PngLayout wide{.width = graphics::kMaxSurfaceSide + 1, .height = 1, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 1};
  wide.samples.resize(static_cast<size_t>(wide.width + 7) / 8);
  writePng(file("largo.png"), wide);
  EXPECT_THROW(view::loadPicture(*t.game, "largo.png", graphics::SurfaceId::Hud), model::ScriptError);
  writeGif(file("largo.gif"), fewColours(graphics::kMaxSurfaceSide + 1, 1));
  EXPECT_FALSE(graphics::decodeGif(file("largo.gif")).has_value());

  // Through a run: the broken PNG aborts it, the broken GIF does not.
  t.script("s", "display= curto.gif,fnc,0,0\nsetpos= depois\ndisplay= curto.png,fnc,0,0\nsetpos= nunca");
  t.run("s");
  EXPECT_EQ(t.game->world.Posic, "depois");
  EXPECT_NE(t.errors().find("Error Reading File!"), std::string::npos);
}

TEST_F(PictureTest, PicturesForTelaAndTelCmdAreLaidOverTheirBuffers) {
  writeBmp(file("janela.bmp"), fewColours(6, 4, true));
  const QImage before = surfaces().BufTela;
  view::loadPicture(*t.game, "janela.bmp", graphics::SurfaceId::Tela);
  EXPECT_EQ(surfaces().Tela.pixel(0, 0), before.pixel(0, 0));  // the visible picture waits for the run's end
  EXPECT_EQ(surfaces().BufTela.pixel(0, 0), fewColours(6, 4).pixel(0, 0));
  EXPECT_EQ(surfaces().BufTela.pixel(2, 1), before.pixel(2, 1));  // magenta leaves the buffer
  EXPECT_EQ(surfaces().BufTela.pixel(5, 3), fewColours(6, 4).pixel(5, 3));
  view::loadPicture(*t.game, "janela.bmp", graphics::SurfaceId::TelCmd);
  EXPECT_EQ(surfaces().BufFunc.pixel(4, 2), fewColours(6, 4).pixel(4, 2));
}

TEST_F(PictureTest, APictureIsStretchedUnlessPlacedAtItsOwnSize) {
  QImage picture(100, 50, QImage::Format_RGB32);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 100; ++x) picture.setPixel(x, y, y < 25 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
  picture.setPixel(99, 49, graphics::kMagenta);
  writeBmp(file("faixa.bmp"), picture);
  t.game->screen.Modelo = model::DisplayMode::Strip;
  QImage& buffer = surfaces().BufTela;
  graphics::fillSurface(buffer, 0x00FF00);

  view::placePicture(*t.game, "faixa.bmp", 10, 10, 0, 100, graphics::SurfaceId::Tela);  // 100 x 100
  EXPECT_EQ(at(buffer, 10, 10 + 49), 0xFF0000u);
  EXPECT_EQ(at(buffer, 10, 10 + 50), 0x0000FFu);
  EXPECT_EQ(at(buffer, 10, 10 + 99), 0x0000FFu);
  EXPECT_EQ(at(buffer, 109, 109), 0x00FF00u);  // the stretched magenta pixel stays clear
  EXPECT_EQ(at(buffer, 10, 110), 0x00FF00u);

  graphics::fillSurface(buffer, 0x00FF00);
  view::placePicture(*t.game, "faixa.bmp", 200, 0, 100, 50, graphics::SurfaceId::Tela);  // its own size
  EXPECT_EQ(at(buffer, 200, 24), 0xFF0000u);
  EXPECT_EQ(at(buffer, 200, 25), 0x0000FFu);
  EXPECT_EQ(at(buffer, 299, 49), 0x00FF00u);
  EXPECT_EQ(at(buffer, 200, 50), 0x00FF00u);
}

TEST_F(PictureTest, PicturesOnThePageOfModeThreeGrowItAndMoveTheTextDown) {
  writeBmp(file("alto.bmp"), fewColours(20, 300));
  QImage& page = surfaces().TelMod3;
  ASSERT_EQ(page.size(), QSize(649, 390));
  t.game->screen.textY = 50;
  view::placePicture(*t.game, "alto.bmp", 0, 200, 0, 0, graphics::SurfaceId::TelMod3);
  EXPECT_EQ(page.height(), 200 + 300 + 10);
  EXPECT_EQ(page.width(), 649);
  EXPECT_EQ(t.game->screen.textY, 350);
  EXPECT_EQ(page.pixel(0, 499), fewColours(20, 300).pixel(0, 299));
  // A script cannot make the page grow without bound.
  view::placePicture(*t.game, "alto.bmp", 0, 2000000000, 0, 0, graphics::SurfaceId::TelMod3);
  EXPECT_EQ(page.height(), graphics::kMaxSurfaceSide);
}

TEST_F(PictureTest, TheEndOfARunCopiesTheBuffersAndLaysTheHeadUpPicture) {
  auto& screen = t.game->screen;
  screen.Modelo = model::DisplayMode::Strip;
  surfaces().Hud = fewColours(6, 4, true);
  screen.hudOn = true;
  screen.hudX = 30;
  screen.hudY = 40;
  graphics::fillSurface(surfaces().BufTela, 0x00FF00);
  graphics::fillSurface(surfaces().BufFunc, 0x0000FF);
  view::endOfRunScreen(*t.game);
  EXPECT_EQ(at(surfaces().Tela, 30, 40), at(surfaces().Hud, 0, 0));
  EXPECT_EQ(at(surfaces().Tela, 32, 41), 0x00FF00u);  // the Hud's magenta leaves BufTela
  EXPECT_EQ(surfaces().Tela, surfaces().BufTela);
  EXPECT_EQ(surfaces().TelCmd, surfaces().BufFunc);

  // Mode "3" shows TelMod3 in Tela3 and leaves Tela alone.
  screen.Modelo = model::DisplayMode::Canvas;
  graphics::fillSurface(surfaces().BufTela, 0x111111);
  view::endOfRunScreen(*t.game);
  view::endOfRunPage(*t.game);
  EXPECT_NE(at(surfaces().Tela, 0, 0), 0x111111u);
  EXPECT_EQ(surfaces().Tela3, surfaces().TelMod3);
}

TEST_F(PictureTest, CleartotalClearsThePicturesUntilTheEndOfTheRun) {
  t.script("s", "cleartela 112233\ncleartotal");
  t.game->screen.Modelo = model::DisplayMode::Strip;
  t.script("vazio", "cleartotal\nsetpos= x");
  t.run("s");
  EXPECT_EQ(at(surfaces().Tela, 5, 5), 0x112233u);
  EXPECT_EQ(at(surfaces().BufTela, 5, 5), 0x112233u);
  // In the middle of a run the visible picture shows the background colour.
  t.game->dispatch.add("olha", [](model::Game& game, model::Statement&) {
    game.Regs.at(1) = std::to_string(game.surfaces.Tela.pixel(5, 5) & 0xFFFFFF);
  });
  t.script("s", "cleartotal\nolha");
  t.run("s");
  EXPECT_EQ(t.reg(1), std::to_string(0x219439));
  EXPECT_EQ(at(surfaces().Tela, 5, 5), 0x112233u);
}

TEST_F(PictureTest, TheWindowTakesTheOutlineOfItsSkin) {
  QImage skin = graphics::makeSurface(6, 3, 0x808080);
  skin.setPixel(0, 0, graphics::kMagenta);
  skin.setPixel(5, 0, graphics::kMagenta);
  skin.setPixel(2, 1, graphics::kMagenta);
  surfaces().Imp = skin;
  view::shapeWindow(*t.game);
  const std::vector<QRect> expected = {QRect(1, 0, 4, 1), QRect(0, 1, 2, 1), QRect(3, 1, 3, 1), QRect(0, 2, 6, 1)};
  EXPECT_TRUE(t.game->screen.windowShaped);
  EXPECT_EQ(t.game->screen.windowShape, expected);
  // A skin that is all magenta, or none, keeps the window rectangular.
  surfaces().Imp = graphics::makeSurface(4, 4, 0xFF00FF);
  view::shapeWindow(*t.game);
  EXPECT_FALSE(t.game->screen.windowShaped);
}
