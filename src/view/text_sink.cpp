// Text output per display mode.
#include "view/text_sink.h"

#include "base/text.h"
#include "model/game.h"
#include "view/mode_presenter.h"
#include "view/page.h"

namespace view {
namespace {

const char* const kStripName = "o texto da faixa de mensagens";
const char* const kTypewriterName = "o texto da p\xE1gina de m\xE1quina de escrever";

}  // namespace

void appendToStrip(model::Game& game, const std::string& text) {
  checkRoomForText(game.screen.Msg.text.size(), text.size(), kStripName);
  game.screen.Msg.text += text;
  game.host.repaint();
}

void setStrip(model::Game& game, std::string text) {
  checkRoomForText(0, text.size(), kStripName);
  game.screen.Msg.text = std::move(text);
  game.host.repaint();
}

void typeOut(model::Game& game, const std::string& text) {
  game.host.processEvents();
  checkRoomForText(game.screen.MsgMd0.text.size(), text.size(), kTypewriterName);
  game.textProduced(platform::TextSink::MsgMd0, text);
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

void outputQuotedText(model::Game& game, const std::string& text) { presenterFor(game.screen.Modelo).output(game, text); }

void outputAppendedMessage(model::Game& game, const std::string& text) {
  presenterFor(game.screen.Modelo).append(game, text);
}

void outputMessage(model::Game& game, const std::string& text) { presenterFor(game.screen.Modelo).replace(game, text); }

void addStripLine(model::Game& game, const std::string& text) {
  const std::string& shown = game.screen.Msg.text;
  game.textProduced(platform::TextSink::Msg, text);
  if (shown.empty() || base::startsWith(std::string_view(shown).substr(shown.size() >= 2 ? shown.size() - 2 : 0), "\r\n"))
    appendToStrip(game, text + "\r\n");
  else
    appendToStrip(game, "\r\n" + text);
}

void clearMessages(model::Game& game) { presenterFor(game.screen.Modelo).clear(game); }

}  // namespace view
