// The message statements: msg+, msg=, clearmsg, through the text sinks.
#include "view/message_statements.h"

#include "script/markers.h"
#include "model/game.h"
#include "view/text_sink.h"

namespace view {
namespace {

void appendMessage(model::Game& game, model::Statement& s) {
  game.host.processEvents();
  outputAppendedMessage(game, script::convertAllMarkers(game.screen.Modelo, s.arg(1)));
}

void replaceMessage(model::Game& game, model::Statement& s) {
  game.host.processEvents();
  if (s.arg(1).empty()) s.trace += "<-Falta texto!!!";
  outputMessage(game, script::convertAllMarkers(game.screen.Modelo, s.arg(1)));
}

void clearMessage(model::Game& game, model::Statement& s) {
  s.trace += "<-mod= " + game.screen.Modelo.text();
  clearMessages(game);
}

}  // namespace

void registerMessageStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"msg+", {}, appendMessage, std::nullopt,
       "`text`. Outputs the text in the mode's \"append\" way: in mode \"1\" it is added to the strip without a separator."},
      {"msg=", {}, replaceMessage, std::nullopt,
       "`text` (the whole rest of the line, commas included, or `#n`)."},
      {"clearmsg", {}, clearMessage, {{"", 0}},
       "Clears the text of the display mode."},
  };
  dispatch.add(rows);
}

}  // namespace view
