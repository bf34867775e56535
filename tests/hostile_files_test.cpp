// Hostile sizes in a game folder: table rows that ask for huge surfaces, a
// register file of a gigabyte (sparse, so it costs the disk nothing), and an
// installed file too large for the per-user copy. Each is capped or refused
// with a message; nothing is read whole into memory or cut short unsaid.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "app/game_location.h"
#include "model/definitions_rows.h"
#include "shell/game_start.h"
#include "support/child_process.h"
#include "support/test_game.h"
#include "view/layout.h"
#include "view/layout_rows.h"

using namespace testing_support;

namespace {

constexpr size_t kMegabyte = size_t(1) << 20;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(HostileFiles, SizeRowsAreCappedAndSaySo) {
  EXPECT_TRUE(finishesInChild(120, [] {
    TestGame t;
    namespace row = model::row;
    for (int r : {row::GameWidth, row::GameHeight, row::ViewerWidth, row::ViewerHeight, row::MsgWidth, row::MsgHeight,
                  row::PanelWidth, row::PanelHeight, row::CanvasViewerWidth, row::CanvasViewerHeight,
                  row::PageViewerWidth, row::PageViewerHeight, row::PictureWidth, row::PictureHeight, row::MapWidth,
                  row::MapHeight})
      t.game->Defs.setDefsRow(r, "16384");
    view::applyStartLayout(*t.game);
    const auto& s = t.game->surfaces;
    for (const QImage* surface : {&s.Imp, &s.Tela, &s.BufTela, &s.TelCmd, &s.BufFunc, &s.TelMod3, &s.Tela3})
      if (surface->width() > view::kMaxLayoutSide || surface->height() > view::kMaxLayoutSide) return false;
    bool said = false;
    for (const auto& line : t.game->debug.lines()) said = said || contains(line, "limite de 4096");
    return said && t.game->window.width == view::kMaxLayoutSide;
  }, 1536 * kMegabyte));
}

TEST(HostileFiles, AGiganticRegisterFileIsRefusedWithoutReadingIt) {
  TestGame t(false);
  writeGameFiles(t.folder);
  t.start();
  const std::string registers = t.game->folders.gameName + ".rgs";
  std::filesystem::resize_file(t.folder.path() / registers, std::uintmax_t(1) << 30);  // sparse
  EXPECT_TRUE(finishesInChild(60, [&] {
    t.game->screen.outerPage = model::OuterPage::Abertura;
    shell::startGame(*t.game);
    return contains(t.errors(), registers) && contains(t.errors(), "64 MB") &&
           t.game->screen.outerPage == model::OuterPage::Abertura;
  }, 256 * kMegabyte));
  EXPECT_EQ(std::filesystem::file_size(t.folder.path() / registers), std::uintmax_t(1) << 30);
}

TEST(HostileFiles, AnInstalledFileTooLargeToCopyIsRefusedNeverCutShort) {
  TempFolder installed, userData;
  std::filesystem::create_directory(installed.path() / "jogo");
  installed.write("jogo/mirandel.ini", "");
  installed.writeBytes("jogo/pequeno.bin", std::string(3 * kMegabyte + 17, 'x'));  // more than one piece
  const auto copy = app::userCopy(installed.path() / "jogo", userData.path());
  EXPECT_EQ(std::filesystem::file_size(copy / "pequeno.bin"), 3 * kMegabyte + 17);

  installed.writeBytes("jogo/filme.avi", "");
  std::filesystem::resize_file(installed.path() / "jogo/filme.avi", std::uintmax_t(3) << 30);  // sparse
  EXPECT_TRUE(finishesInChild(60, [&] {
    try {
      app::userCopy(installed.path() / "jogo", userData.path());
    } catch (const std::runtime_error& error) {
      return contains(error.what(), "filme.avi") && contains(error.what(), "larger than");
    }
    return false;
  }, 512 * kMegabyte));
  EXPECT_FALSE(std::filesystem::exists(copy / "filme.avi"));
}
