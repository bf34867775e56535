// Text output per display mode.
#include "view/text_sink.h"

#include "base/text.h"
#include "shell/game.h"
#include "view/page.h"
#include "view/picture_text.h"

namespace view {
namespace {

void showOnPage(shell::Game& game, const std::string& text) {
  addPageLine(game, text);
  game.host.textProduced(platform::TextSink::WebTxt, text);
}

const char* const kStripName = "o texto da faixa de mensagens";
const char* const kTypewriterName = "o texto da p\xE1gina de m\xE1quina de escrever";
const char* const kMemo3Name = "a lista de textos do modo 3";

// The strip only ever grows at its end or is replaced: adding to it costs the
// added text, however long the strip already is.
void appendToStrip(shell::Game& game, const std::string& text) {
  checkRoomForText(game.screen.Msg.text.size(), text.size(), kStripName);
  game.screen.Msg.text += text;
  game.host.repaint();
}

void setStrip(shell::Game& game, std::string text) {
  checkRoomForText(0, text.size(), kStripName);
  game.screen.Msg.text = std::move(text);
  game.host.repaint();
}

}  // namespace

void typeOut(shell::Game& game, const std::string& text) {
  game.host.processEvents();
  checkRoomForText(game.screen.MsgMd0.text.size(), text.size(), kTypewriterName);
  game.host.textProduced(platform::TextSink::MsgMd0, text);
  for (size_t typed = 0; typed < text.size(); ++typed) {
    if (game.screen.typewriterSkipped) {
      game.screen.MsgMd0.text += std::string_view(text).substr(typed);
      game.host.repaint();
      return;
    }
    game.screen.MsgMd0.text += text[typed];
    game.host.repaint();
    // Closing the player lets the rest of the text appear at once.
    if (!game.host.closing()) game.host.sleep(game.screen.typewriterDelay);
  }
}

void outputQuotedText(shell::Game& game, const std::string& text) {
  const std::string& mode = game.screen.Modelo;
  if (isTypewriterMode(mode)) {
    typeOut(game, text);
  } else if (isStripMode(mode)) {
    game.host.textProduced(platform::TextSink::Msg, text);
    appendToStrip(game, text);
  } else if (isPageMode(mode)) {
    showOnPage(game, text);
  } else if (isCanvasMode(mode)) {
    auto& memo = game.screen.Memo3;
    checkRoomForText(memo.bytes() + memo.size() * 2, text.size() + 2, kMemo3Name);
    memo.push_back(text);
    game.host.textProduced(platform::TextSink::Memo3, text);
  }
}

void outputAppendedMessage(shell::Game& game, const std::string& text) {
  if (game.screen.isCanvasMode()) {
    prepareTextCanvas(game);
    return;
  }
  outputQuotedText(game, text);
}

void outputMessage(shell::Game& game, const std::string& text) {
  const std::string& mode = game.screen.Modelo;
  if (isTypewriterMode(mode)) {
    typeOut(game, text);
  } else if (isStripMode(mode)) {
    game.host.textProduced(platform::TextSink::Msg, text);
    setStrip(game, text);
  } else if (isPageMode(mode)) {
    showOnPage(game, text);
  } else if (isCanvasMode(mode)) {
    game.host.textProduced(platform::TextSink::TelMod3, text);
    drawTextAtTextPosition(game, text);
  }
}

void addStripLine(shell::Game& game, const std::string& text) {
  const std::string& shown = game.screen.Msg.text;
  game.host.textProduced(platform::TextSink::Msg, text);
  if (shown.empty() || base::startsWith(std::string_view(shown).substr(shown.size() >= 2 ? shown.size() - 2 : 0), "\r\n"))
    appendToStrip(game, text + "\r\n");
  else
    appendToStrip(game, "\r\n" + text);
}

void clearMessages(shell::Game& game) {
  const std::string& mode = game.screen.Modelo;
  if (isTypewriterMode(mode)) {
    game.screen.MsgMd0.text.clear();
    game.host.repaint();
  } else if (isStripMode(mode)) {
    setStrip(game, "");
  } else if (isPageMode(mode)) {
    beginPage(game);
  }
}

}  // namespace view
