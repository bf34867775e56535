// Hostile game content: texts, registers and pictures that would take all
// memory are refused with a message (tried under a memory limit in a child
// process), numbers far out of range never overflow, and deeply nested page
// markup is cut to a depth the page view handles.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QImageWriter>
#include <climits>
#include <fstream>
#include <functional>

#include "base/content_range.h"
#include "graphics/fonts.h"
#include "graphics/picture_decoders.h"
#include "model/registers.h"
#include "model/definitions_rows.h"
#include "shell/startup.h"
#include "support/picture_files.h"
#include "support/child_process.h"
#include "support/test_game.h"
#include "ui/window_session.h"
#include "view/layout.h"
#include "view/page.h"
#include "view/page_markup.h"

using namespace testing_support;

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MIRANDEL_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define MIRANDEL_ADDRESS_SANITIZER 1
#endif

// The address sanitizer reserves more address space than any limit leaves.
bool memoryLimitsWork() {
#ifdef MIRANDEL_ADDRESS_SANITIZER
  return false;
#else
  return true;
#endif
}

constexpr size_t kMegabyte = size_t(1) << 20;

// Runs `work` in a child process whose address space may grow by at most
// `extra` bytes past what it uses at the fork; true when the child ran it to the
// end and it returned true (false: it returned false, threw, crashed or ran out).
bool passesUnderMemoryLimit(size_t extra, const std::function<bool()>& work) {
  return testing_support::finishesInChild(300, work, extra);
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A run that adds a text of 10 000 characters again and again in a display mode.
bool runOutgrowsTheMode(const std::string& mode, const std::string& statement) {
  TestGame t;
  t.script("s", "reg= 1," + std::string(10000, 'x') + "\nveltec= 0\n:volta\n" + statement + "\ngoto volta");
  t.game->screen.Modelo = model::DisplayModeSetting::parse(mode);
  t.run("s");
  const auto& s = t.game->screen;
  const size_t held = s.WebTxt.bytes() + s.Memo3.bytes() + s.Msg.text.size() + s.MsgMd0.text.size();
  return contains(t.errors(), "s.scx, linha 4") && contains(t.errors(), "passou do limite") &&
         held <= view::kMaxShownText;
}

// Writes bytes to a file.
void writeFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string littleEndian16(int value) { return {char(value & 0xFF), char((value >> 8) & 0xFF)}; }
std::string littleEndian32(int value) { return littleEndian16(value & 0xFFFF) + littleEndian16((value >> 16) & 0xFFFF); }

// A GIF whose screen and first frame declare the given sizes, with one pixel of data.
std::string gifDeclaring(int screenWidth, int screenHeight, int frameWidth, int frameHeight) {
  std::string gif = "GIF89a" + littleEndian16(screenWidth) + littleEndian16(screenHeight);
  gif += std::string("\x80\x00\x00", 3) + std::string("\x00\x00\x00\xFF\xFF\xFF", 6);  // two colours
  gif += "," + littleEndian16(0) + littleEndian16(0) + littleEndian16(frameWidth) + littleEndian16(frameHeight);
  gif += std::string("\x00\x02\x02\x44\x01\x00;", 7);  // code size 2, one block, trailer
  return gif;
}

// A small JPEG (progressive on request) whose frame header is made to declare the given size.
std::string jpegDeclaring(int width, int height, bool progressive) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(testPattern(16, 16));
  }
  std::string jpeg(bytes.constData(), static_cast<size_t>(bytes.size()));
  for (size_t at = 2; at + 9 < jpeg.size(); ++at) {
    if (jpeg[at] == '\xFF' && (jpeg[at + 1] == '\xC0' || jpeg[at + 1] == '\xC2')) {
      jpeg[at + 5] = char(height >> 8), jpeg[at + 6] = char(height & 0xFF);
      jpeg[at + 7] = char(width >> 8), jpeg[at + 8] = char(width & 0xFF);
      break;
    }
  }
  return jpeg;
}

// A 24-bit BMP header declaring the size, without its pixels.
std::string bmpDeclaring(int width, int height) {
  std::string bmp = "BM" + littleEndian32(54) + littleEndian32(0) + littleEndian32(54);
  bmp += littleEndian32(40) + littleEndian32(width) + littleEndian32(height) + littleEndian16(1) + littleEndian16(24);
  bmp += std::string(24, '\0');
  return bmp;
}

}  // namespace

TEST(HostileContent, TextsThatWouldOutgrowTheWindowEndTheRunWithAMessage) {
  if (!memoryLimitsWork()) GTEST_SKIP() << "no memory limit under the address sanitizer";
  // A page, a strip, a typewriter page or a mode-"3" list of hundreds of
  // megabytes would crash the window's text layout; each stops at the limit.
  EXPECT_TRUE(passesUnderMemoryLimit(512 * kMegabyte, [] { return runOutgrowsTheMode("2", "msg= #1"); }));
  EXPECT_TRUE(passesUnderMemoryLimit(512 * kMegabyte, [] { return runOutgrowsTheMode("1", "msg+ #1"); }));
  EXPECT_TRUE(passesUnderMemoryLimit(512 * kMegabyte, [] { return runOutgrowsTheMode("0", "msg+ #1"); }));
  EXPECT_TRUE(passesUnderMemoryLimit(512 * kMegabyte, [] { return runOutgrowsTheMode("3", "'" + std::string(10000, 'x') + "'"); }));
}

TEST(HostileContent, ARegisterThatKeepsDoublingEndsTheRunAndTheShutDownStillSaves) {
  if (!memoryLimitsWork()) GTEST_SKIP() << "no memory limit under the address sanitizer";
  EXPECT_TRUE(passesUnderMemoryLimit(512 * kMegabyte, [] {
    TestGame t;
    t.game->folders.gameName = "jogo";
    t.script("s", "reg= 1,ab\n:volta\nreg$ 1,#1\ngoto volta");
    t.run("s");
    if (!contains(t.errors(), "s.scx, linha 3") || !contains(t.errors(), "passaria do limite")) return false;
    if (t.game->Regs.at(1).size() > model::Registers::kMaxLength) return false;
    shell::shutDown(*t.game);
    return t.folder.read("jogo.rgs").size() > model::Registers::kMaxLength / 2 && t.folder.exists("mirandel.ini");
  }));
}

TEST(HostileContent, AGameSaveThatFailsAtShutDownLeavesThePlayersOwnTableSaved) {
  TestGame t;
  t.game->folders.gameName = "jogo";
  std::filesystem::create_directories(t.folder.path() / "jogo.rgs" / "ocupado");  // cannot be replaced
  std::filesystem::remove(t.folder.path() / "mirandel.ini");
  shell::shutDown(*t.game);
  EXPECT_TRUE(contains(t.errors(), "jogo"));
  EXPECT_TRUE(t.folder.exists("mirandel.ini"));
}

TEST(HostileContent, PicturesDeclaringHugeSizesAreRefusedBeforeTheyAreAllocated) {
  if (!memoryLimitsWork()) GTEST_SKIP() << "no memory limit under the address sanitizer";
  TempFolder folder;
  const auto& dir = folder.path();
  writeFile(dir / "tela.gif", gifDeclaring(16000, 16000, 1, 1));
  writeFile(dir / "quadro.gif", gifDeclaring(16000, 16000, 16000, 16000));
  writeFile(dir / "faixa.jpg", jpegDeclaring(16000, 16000, false));
  writeFile(dir / "enorme.jpg", jpegDeclaring(65000, 65000, true));
  writeFile(dir / "grande.bmp", bmpDeclaring(16000, -16000));
  QImage wide(16000, 1, QImage::Format_RGB32);
  wide.fill(Qt::red);
  writeRgbPng(dir / "largo.png", wide);  // small, and accepted
  // Each bomb would take a gigabyte or more, and some would decode into it: the
  // child has a gigabyte and a half to spare, and must refuse them all.
  EXPECT_TRUE(passesUnderMemoryLimit(1536 * kMegabyte, [&] {
    return !graphics::decodeGif(dir / "tela.gif") && !graphics::decodeGif(dir / "quadro.gif") &&
           !graphics::decodeJpeg(dir / "faixa.jpg") && !graphics::decodeJpeg(dir / "enorme.jpg") &&
           !graphics::decodeBmp(dir / "grande.bmp");
  }));
  graphics::PngError error;
  EXPECT_EQ(graphics::decodePng(dir / "largo.png", QImage(), error).size(), QSize(16000, 1));
  // The same files at a size we take still load.
  writeFile(dir / "pequeno.gif", gifDeclaring(4, 4, 1, 1));
  EXPECT_TRUE(graphics::decodeGif(dir / "pequeno.gif"));
  writeBmp(dir / "pequeno.bmp", testPattern(5, 3));
  ASSERT_TRUE(graphics::decodeBmp(dir / "pequeno.bmp"));
  EXPECT_EQ(graphics::decodeBmp(dir / "pequeno.bmp")->size(), QSize(5, 3));
}

TEST(HostileContent, NumbersFarOutOfRangeNeverOverflow) {
  // Font sizes from statements or the table: the largest point size we draw.
  const QFont huge = graphics::makeFont("Arial", INT_MAX);
  EXPECT_EQ(huge.pixelSize(), (base::kMaxFontSize * 96 + 36) / 72);
  EXPECT_EQ(view::pagePixelSize(INT_MAX), base::kMaxFontSize + base::kMaxFontSize / 2);

  TestGame t;
  namespace row = model::row;
  for (int r : {row::MessageFontSize, row::MsgMd0FontSize, row::InputFontSize, row::EndLabelFontSize})
    t.game->Defs.setDefsRow(r, "2147483647");
  for (int r : {row::ViewerWidth, row::ViewerHeight, row::CanvasViewerWidth, row::CanvasViewerHeight})
    t.game->Defs.setDefsRow(r, "-2147483648");
  view::applyStartLayout(*t.game);
  // Negative viewer sizes give the mode-"3" page its smallest size, not a wrapped-round huge one.
  EXPECT_LE(t.game->surfaces.TelMod3.width(), 1);
  EXPECT_LE(t.game->surfaces.TelMod3.height(), 1);

  t.script("s", "modo= 3\npostxt= 2147483647,2147483647\nmsg= texto\npostxt= -2147483648,0\nmsg= texto\n"
                "cinza= tel,,2147483647\ncinza= tel,FF0000,2147483647\npostxt= 0,0\nfntsize= 2147483647\n"
                "msg= grande\nsetpos= fim");
  t.run("s");
  EXPECT_EQ(t.game->world.Posic, "fim");
  EXPECT_EQ(t.errors(), "");
}

TEST(HostileContent, AHugeTypewriterDelayIsCappedAndClosingEndsIt) {
  TestGame t;
  t.script("s", "modo= 0\nveltec= 2147483647\nmsg= abc");
  const int64_t before = t.host.now();
  t.run("s");
  EXPECT_EQ(t.game->screen.MsgMd0.text, "abc");
  EXPECT_LE(t.host.now() - before, 3 * base::kMaxDelay);
  // Closing the player: the text appears without the pauses.
  t.host.quit();
  const int64_t closing = t.host.now();
  t.script("s", "msg+ def");
  t.run("s");
  EXPECT_EQ(t.host.now(), closing);
}

TEST(HostileContent, DeeplyNestedMarkupIsCutToADepthThePageViewHandles) {
  std::string page = "<html><body><p>a<br>b<img src=x.png><!-- <b> -->";
  for (int i = 0; i < 20000; ++i) page += "<b>";
  page += "texto";
  for (int i = 0; i < 20000; ++i) page += "</b>";
  page += "<a href=\"Scp=sala&x=>\">sala</a></body></html>";
  const std::string cut = view::boundMarkupNesting(page);
  auto count = [&](const std::string& tag) {
    size_t n = 0;
    for (size_t at = cut.find(tag); at != std::string::npos; at = cut.find(tag, at + 1)) ++n;
    return n;
  };
  // html and body take two levels; the rest go to <b>, each closed as opened.
  EXPECT_EQ(count("<b>"), static_cast<size_t>(view::kMaxMarkupDepth - 2) + 1);  // one in the comment
  EXPECT_EQ(count("</b>"), static_cast<size_t>(view::kMaxMarkupDepth - 2));
  EXPECT_TRUE(contains(cut, "texto"));
  EXPECT_TRUE(contains(cut, "<a href=\"Scp=sala&x=>\">sala</a></body></html>"));
  EXPECT_TRUE(contains(cut, "<p>a<br>b<img src=x.png><!-- <b> -->"));
  // A page within the depth is left as it is.
  const std::string plain = "<html><body><b><i>x</i></b> 1 < 2 <br/></body></html>";
  EXPECT_EQ(view::boundMarkupNesting(plain), plain);
}

TEST(HostileContent, TheWindowsMemosFollowTheirTextsPieceByPiece) {
  TempFolder folder;
  folder.writeBytes("mirandel.ini", "");
  ui::WindowOptions options;
  options.start.gameFolder = folder.path().string();
  options.scripted = true;
  ui::WindowSession session(options);
  session.start();
  auto& model = session.game.screen.Msg;
  QPlainTextEdit* memo = session.window.gamePage->Msg;
  auto shows = [&] {
    session.window.refresh(session.game);
    return memo->toPlainText();
  };
  model.text = "um";
  EXPECT_EQ(shows(), "um");
  model.text += "\r";  // the line break comes whole, never as two
  EXPECT_EQ(shows(), "um");
  model.text += "\ndois";
  EXPECT_EQ(shows(), "um\ndois");
  EXPECT_EQ(memo->document()->blockCount(), 2);
  model.text = "novo";
  EXPECT_EQ(shows(), "novo");
  model.text = "novo e mais longo";  // the same start, but a new text
  EXPECT_EQ(shows(), "novo e mais longo");
  model.text = "outro, mais longo ainda";
  EXPECT_EQ(shows(), "outro, mais longo ainda");
  model = model::placedAt(0, 285, 670, 80);  // a new control
  model.text += "x";
  EXPECT_EQ(shows(), "x");
  model.text.clear();
  EXPECT_EQ(shows(), "");
}
