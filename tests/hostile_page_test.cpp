// Hostile pages of display mode "2": markup that tricks the nesting bound,
// nested tables, pictures asked for millions of pixels a side, and pictures
// named from outside the game folder. The page view's work runs in a child
// process with a time limit, so a crash or a hang fails the test alone.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "support/child_process.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "ui/page_view.h"
#include "ui/page_view_html.h"
#include "view/page_markup.h"

using namespace testing_support;

namespace {

size_t count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::string repeated(const std::string& part, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += part;
  return text;
}

// The height of the page once the page view of the game folder has laid it out.
double laidOutHeight(const std::filesystem::path& gameFolder, const std::string& html) {
  ui::PageView view;
  view.setGameFolder(base::GameFolder(gameFolder));
  view.resize(640, 480);
  view.document()->setTextWidth(640);
  view.setHtml(ui::pageViewHtml(html));
  // Laid out only: painting in a forked child would wait for the painting
  // threads of the parent, which the child does not have.
  return view.document()->documentLayout()->documentSize().height();
}

// How deep the page view nests tables in the page it is given.
int tableDepth(const QTextFrame* frame) {
  int deepest = 0;
  for (const QTextFrame* child : frame->childFrames())
    deepest = std::max(deepest, tableDepth(child) + (qobject_cast<const QTextTable*>(child) ? 1 : 0));
  return deepest;
}
int tableDepthInView(const std::string& html) {
  QTextDocument document;
  document.setHtml(ui::pageViewHtml(html));
  return tableDepth(document.rootFrame());
}

// Whether the page view lays out the page within a generous time
// (the address sanitizer build is many times slower), without crashing.
bool laysOutInTime(const std::string& html) {
  TempFolder folder;
  return finishesInChild(120, [&] { return laidOutHeight(folder.path(), html) > 0; });
}

}  // namespace

TEST(HostilePage, EndTagsThatCloseNothingNeverLowerTheNesting) {
  // Each stray end tag once took a level back, so any depth got through.
  const std::string tables = repeated("<table><tr><td></zz>", 3000);
  const std::string bounded = view::boundMarkupNesting(tables);
  EXPECT_LE(count(bounded, "<table>"), static_cast<size_t>(view::kMaxTableDepth));
  EXPECT_EQ(count(bounded, "</zz>"), 0u);
  EXPECT_TRUE(laysOutInTime(tables));

  for (const std::string tag : {"b", "font color=red"}) {
    const std::string page = repeated("<" + tag + "></zz>", 20000) + "texto";
    const std::string cut = view::boundMarkupNesting(page);
    EXPECT_LE(count(cut, "<" + tag + ">"), static_cast<size_t>(view::kMaxMarkupDepth)) << tag;
    EXPECT_NE(cut.find("texto"), std::string::npos);
    EXPECT_TRUE(laysOutInTime(page)) << tag;
  }
}

TEST(HostilePage, NestedTablesAreCutToAFewLevelsAndTheirTextStays) {
  std::string page;
  for (int i = 0; i < 22; ++i) page += "<table><tr><td>nivel" + std::to_string(i);
  for (int i = 0; i < 22; ++i) page += "</td></tr></table>";
  page += "fim";
  const std::string cut = view::boundMarkupNesting(page);
  EXPECT_EQ(count(cut, "<table>"), static_cast<size_t>(view::kMaxTableDepth));
  EXPECT_GE(count(cut, "</table>"), 1u);  // the end tags of the tables left out go with them
  EXPECT_NE(cut.find("nivel21"), std::string::npos);
  EXPECT_NE(cut.find("</table>fim"), std::string::npos);
  EXPECT_TRUE(laysOutInTime(page));

  // A cell outside a table makes a table of its own in the page view; each next
  // cell closes the last one and what it left open, so nothing nests.
  const std::string cells = view::boundMarkupNesting(repeated("<b><td>", 3000));
  EXPECT_EQ(count(cells, "<td>"), 3000u);
  EXPECT_EQ(count(cells, "<b>"), 3000u);
  EXPECT_TRUE(laysOutInTime(repeated("<b><td>", 3000)));
  EXPECT_TRUE(laysOutInTime(repeated("<ul><li><table><tbody><tr><td><div>", 3000)));
}

TEST(HostilePage, TablesAreCountedAsThePageViewNestsThem) {
  std::string tables;
  for (int i = 0; i < 22; ++i) tables += "<table><tr><td>nivel" + std::to_string(i);
  // A quote is a letter where no "=" comes before it, and a key's value only
  // after one: neither hides the tables that follow inside a tag that never ends.
  EXPECT_EQ(tableDepthInView("<g\"><td>" + tables), view::kMaxTableDepth);
  EXPECT_EQ(tableDepthInView("<v=\"><td>" + tables), view::kMaxTableDepth);
  // A row in a row group outside any table makes a table of its own.
  EXPECT_EQ(tableDepthInView("<tbody><tr><td>" + tables), view::kMaxTableDepth);
  EXPECT_NE(ui::pageViewHtml("<tbody><tr><td>" + tables).indexOf(QStringLiteral("nivel21")), -1);
  // A value quoted after its "=" may hold ">": the tag goes on to its end.
  const std::string quoted = "<a href=\"Scp=sala>Prm=1\">sala</a><table><tr><td>x</td></tr></table>";
  EXPECT_EQ(view::boundMarkupNesting(quoted), quoted);
}

TEST(HostilePage, PagesWhoseTablesWouldTakeAgesToLayOutLoseTheirTablesButNotTheirText) {
  // A grid of 300 rows by 300 cells, each laid out again for every pass of the
  // tables around it: the page view would take minutes.
  const std::string grid = "<table>" + repeated("<tr>", 300) + repeated("<td>celula", 300) + "</table>fim";
  const QString shown = ui::pageViewHtml(grid);
  EXPECT_EQ(shown.indexOf(QStringLiteral("<table")), -1);
  EXPECT_EQ(shown.count(QStringLiteral("celula")), 300);
  EXPECT_NE(shown.indexOf(QStringLiteral("fim")), -1);
  EXPECT_TRUE(laysOutInTime(grid));
  std::string nested;
  for (int i = 0; i < 4; ++i) nested += "<table><tr><td><div>";
  nested += repeated("<tr>" + repeated("<td>x", 40), 60);  // 2400 cells, each laid out 8 times
  EXPECT_EQ(ui::pageViewHtml(nested).indexOf(QStringLiteral("<table")), -1);
  EXPECT_TRUE(laysOutInTime(nested));
  // A game's own tables stay as they are.
  const std::string page = "<table border=1>" + repeated("<tr><td>a</td><td>b</td><td>c</td></tr>", 50) + "</table>";
  EXPECT_EQ(ui::pageViewHtml(page).count(QStringLiteral("<td>")), 150);
}

TEST(HostilePage, CellsThatLeaveTheirFontsOpenKeepThem) {
  // A new cell closes what the last one left open, as the page view does: a
  // long table written for old browsers keeps every cell's font.
  const std::string page = "<table>" + repeated("<tr><td><font color=red>x<td><b>y", 400) + "</table><i>fim</i>";
  const std::string cut = view::boundMarkupNesting(page);
  EXPECT_EQ(count(cut, "<font color=red>"), 400u);
  EXPECT_EQ(count(cut, "<b>"), 400u);
  EXPECT_NE(cut.find("<i>fim</i>"), std::string::npos);
  // Markup within the bounds is left as it is.
  const std::string plain = "<html><body><table><tr><td><b><i>x</i></b></td></tr></table> 1 < 2 <br/></body></html>";
  EXPECT_EQ(view::boundMarkupNesting(plain), plain);
}

TEST(HostilePage, PicturesAskForAtMostTheLargestSurface) {
  const std::string largest = std::to_string(view::kMaxPagePictureSide);
  EXPECT_EQ(view::boundMarkupNesting("<img src=p.png width=8388608 HEIGHT = \"99999999999999999999\" alt='width=9999999'>"),
            "<img src=p.png width=" + largest + " HEIGHT = \"" + largest + "\" alt='width=9999999'>");
  EXPECT_EQ(view::boundMarkupNesting("<IMG width=16777216px height='300'>"),
            "<IMG width=" + largest + "px height='300'>");
  const std::string within = "<img src=p.png width=640 height=100% border=0>";
  EXPECT_EQ(view::boundMarkupNesting(within), within);

  TempFolder folder;
  writeRgbPng(folder.path() / "p.png", testPattern(10, 10));
  EXPECT_TRUE(finishesInChild(120, [&] {
    return laidOutHeight(folder.path(), "<img src=p.png width=16777216 height=16777216 border=0>") <=
           view::kMaxPagePictureSide + 100;
  }));
}

TEST(HostilePage, PicturesComeFromTheGameFolderOnly) {
  TempFolder game, outside;
  writeRgbPng(game.path() / "dentro.png", testPattern(300, 200));
  writeRgbPng(outside.path() / "fora.png", testPattern(300, 200));
  writeRgbPng(outside.path() / "so_la.png", testPattern(300, 200));
  game.writeBytes("estragada.png", "nao e uma figura");
  writeRgbPng(outside.path() / "estragada.png", testPattern(300, 200));
  // A picture of the game folder shows.
  EXPECT_GE(laidOutHeight(game.path(), "<img src=dentro.png>"), 200);
  // One named by its absolute name, one missing from the game folder but in the
  // working folder, and an unreadable one of the game folder whose name the
  // working folder also has: none shows.
  const std::string outsideName = (outside.path() / "fora.png").string();
  EXPECT_TRUE(finishesInChild(60, [&] {
    if (chdir(outside.path().c_str()) != 0) return false;
    return laidOutHeight(game.path(), "<img src=\"" + outsideName + "\">") < 50 &&
           laidOutHeight(game.path(), "<img src=\"file://" + outsideName + "\">") < 50 &&
           laidOutHeight(game.path(), "<img src=so_la.png>") < 50 &&
           laidOutHeight(game.path(), "<img src=estragada.png>") < 50;
  }));
}
