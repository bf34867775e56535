// Page links that are not script links: a page of the game folder is shown in
// the page view (found as every game file is), web addresses open in the user's
// browser, anything else is refused with a message; the snapshot names the page
// on show.
#include <gtest/gtest.h>

#include "shell/dump.h"
#include "support/test_game.h"
#include "shell/input_wiring.h"
#include "view/page.h"

using namespace testing_support;

namespace {

struct PageLinksTest : ::testing::Test {
  PageLinksTest() {
    t.folder.write("ajuda.htm", "<p>Ajuda</p><a href=Scp=sala>Voltar</a>");
    t.folder.write("Paginas/Mapa.HTML", "<p>Mapa</p>");
    t.folder.write("figura.png", "x");
    t.script("sala", "setpos= sala");
    t.script("livro", "modo= 2\nmsg= <a href=ajuda.htm>Ajuda</a>");
    t.run("livro");
  }
  void follow(const std::string& address) { shell::followLink(*t.game, cp(address)); }
  std::string shown() const { return t.game->screen.pageShown; }
  std::string inFolder(const std::string& name) const { return (t.folder.path() / name).string(); }
  TestGame t;
};

}  // namespace

TEST_F(PageLinksTest, APageOfTheGameFolderIsShownInThePageView) {
  ASSERT_EQ(shown(), inFolder("tmp.htm"));
  t.game->world.Posic = "antes";
  follow("ajuda.htm");
  EXPECT_EQ(shown(), inFolder("ajuda.htm"));
  EXPECT_EQ(t.game->screen.pageHtml, "");
  EXPECT_EQ(t.game->world.Posic, "antes");  // no script ran
  // Found like every game file: "\" as "/", any letter case, a fragment or query dropped.
  follow("paginas\\mapa.html#topo");
  EXPECT_EQ(shown(), inFolder("Paginas/Mapa.HTML"));
  // A relative link leads from the folder of the page on show.
  follow("../AJUDA.HTM?x=1");
  EXPECT_EQ(shown(), inFolder("ajuda.htm"));
  // The page view may report the page as a file address or a path inside the folder.
  follow("file://" + inFolder("Paginas/Mapa.HTML"));
  EXPECT_EQ(shown(), inFolder("Paginas/Mapa.HTML"));
  follow(inFolder("tmp.htm"));
  EXPECT_EQ(shown(), inFolder("tmp.htm"));
  // A blank in a name comes percent-encoded.
  t.folder.write("minha ajuda.htm", "<p>x</p>");
  follow("minha%20ajuda.htm");
  EXPECT_EQ(shown(), inFolder("minha ajuda.htm"));
  EXPECT_EQ(t.errors(), "");
  // The shown page's own links work the same way.
  follow("Scp=sala");
  EXPECT_EQ(t.game->world.Posic, "sala");
  // A link within the page (only a fragment) is the page view's own business.
  follow("#topo");
  EXPECT_EQ(t.errors(), "");
}

TEST_F(PageLinksTest, WebAddressesOpenInTheBrowserAndOtherSchemesAreRefused) {
  follow("http://example.org/mirandel");
  follow("HTTPS://example.org/");
  EXPECT_EQ(t.host.record.opened, (std::vector<std::string>{"http://example.org/mirandel", "HTTPS://example.org/"}));
  EXPECT_EQ(t.errors(), "");
  EXPECT_EQ(shown(), inFolder("tmp.htm"));
  for (const char* refused : {"mailto:autor@example.org", "javascript:alert(1)", "ftp://example.org/x.htm",
                              "file:///etc/passwd", "../fora.htm", "/etc/hosts", "C:\\jogo\\ajuda.htm"}) {
    SCOPED_TRACE(refused);
    t.host.record.errors.clear();
    follow(refused);
    EXPECT_NE(t.errors().find(refused), std::string::npos) << t.errors();
    EXPECT_EQ(shown(), inFolder("tmp.htm"));
  }
  EXPECT_EQ(t.host.record.opened.size(), 2u);
}

TEST_F(PageLinksTest, AMissingPageOrAFileThatIsNoPageIsReported) {
  follow("nada.htm");
  EXPECT_EQ(t.errors(), "Não encontrei a página nada.htm.\n");
  t.host.record.errors.clear();
  follow("figura.png");
  EXPECT_EQ(t.errors(), "O link figura.png não é uma página.\n");
  EXPECT_EQ(shown(), inFolder("tmp.htm"));
}

TEST_F(PageLinksTest, TheSnapshotNamesThePageOnShow) {
  auto pageLine = [&](const std::string& dump) {
    EXPECT_TRUE(shell::writeDump(*t.game, t.host.record, t.folder.path() / dump));
    for (const auto& line : t.folder.readUtf8Lines(dump + "/state.txt"))
      if (line.rfind("pageFile=", 0) == 0) return line;
    return std::string("<absent>");
  };
  EXPECT_EQ(pageLine("antes"), "pageFile=tmp.htm");
  follow("paginas/mapa.html");
  EXPECT_EQ(pageLine("depois"), "pageFile=Paginas/Mapa.HTML");
  view::showBlankPage(*t.game, "000000");  // a text without a file
  EXPECT_EQ(pageLine("branca"), "pageFile=");
}
