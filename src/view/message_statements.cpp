// The message statements: msg+, msg=, clearmsg, through the text sinks.
#include "view/message_statements.h"

#include "script/markers.h"
#include "shell/game.h"
#include "view/text_sink.h"

namespace view {
namespace {

void appendMessage(shell::Game& game, script::Statement& s) {
  game.host.processEvents();
  outputAppendedMessage(game, script::convertAllMarkers(game.screen.Modelo, s.arg(1)));
}

void replaceMessage(shell::Game& game, script::Statement& s) {
  game.host.processEvents();
  if (s.arg(1).empty()) s.trace += "<-Falta texto!!!";
  outputMessage(game, script::convertAllMarkers(game.screen.Modelo, s.arg(1)));
}

void clearMessage(shell::Game& game, script::Statement& s) {
  s.trace += "<-mod= " + game.screen.Modelo.text();
  clearMessages(game);
}

}  // namespace

void registerMessageStatements(script::Dispatch& dispatch) {
  dispatch.add("msg+", appendMessage);
  dispatch.add("msg=", replaceMessage);
  dispatch.add("clearmsg", clearMessage);
}

}  // namespace view
