// Text output per display mode.
#include "view/text_sink.h"

#include "base/text.h"
#include "shell/game.h"
#include "view/page.h"
#include "view/picture_text.h"

namespace view {
namespace {

void addPageLine(shell::Game& game, const std::string& text) {
  game.screen.WebTxt.push_back(text);
  game.host.textProduced(platform::TextSink::WebTxt, text);
}

void setStrip(shell::Game& game, std::string text) {
  game.screen.Msg.text = std::move(text);
  game.host.repaint();
}

}  // namespace

void typeOut(shell::Game& game, const std::string& text) {
  game.host.processEvents();
  game.host.textProduced(platform::TextSink::MsgMd0, text);
  for (size_t typed = 0; typed < text.size(); ++typed) {
    if (game.screen.typewriterSkipped) {
      game.screen.MsgMd0.text.append(text, typed);
      game.host.repaint();
      return;
    }
    game.screen.MsgMd0.text += text[typed];
    game.host.repaint();
    game.host.sleep(game.screen.typewriterDelay);
  }
}

void outputQuotedText(shell::Game& game, const std::string& text) {
  const std::string& mode = game.screen.Modelo;
  if (isTypewriterMode(mode)) {
    typeOut(game, text);
  } else if (isStripMode(mode)) {
    game.host.textProduced(platform::TextSink::Msg, text);
    setStrip(game, game.screen.Msg.text + text);
  } else if (isPageMode(mode)) {
    addPageLine(game, text);
  } else if (isCanvasMode(mode)) {
    game.screen.Memo3.push_back(text);
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
    addPageLine(game, text);
  } else if (isCanvasMode(mode)) {
    game.host.textProduced(platform::TextSink::TelMod3, text);
    drawTextAtTextPosition(game, text);
  }
}

void addStripLine(shell::Game& game, const std::string& text) {
  const std::string& shown = game.screen.Msg.text;
  game.host.textProduced(platform::TextSink::Msg, text);
  if (shown.empty() || base::startsWith(std::string_view(shown).substr(shown.size() >= 2 ? shown.size() - 2 : 0), "\r\n"))
    setStrip(game, shown + text + "\r\n");
  else
    setStrip(game, shown + "\r\n" + text);
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
