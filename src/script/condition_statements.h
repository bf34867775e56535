// The test statements on registers and on the display mode (ifreg..., if...,
// ifmod0...ifmod3), and the two outcome forms every test statement of the
// player uses.
#pragma once
#include <string>

#include "model/dispatch.h"

namespace model { struct Game; }

namespace script {

void registerConditionStatements(model::Dispatch& dispatch);

// Label form: when the test holds, continue exactly as goto to the label.
void applyLabelForm(model::Game& game, bool holds, const std::string& label);

// Statement form: when the test holds, arguments `from` onwards become a new
// statement (already split and resolved) dispatched at once from the top of
// the order.
void applyStatementForm(model::Game& game, bool holds, model::Statement& s, int from);

// Dispatches a statement carried by another one in the same step; the carried
// statement's trace notes go to the carrier's trace.
void dispatchCarried(model::Game& game, model::Statement& carrier, model::Statement carried);

}  // namespace script
