// The statement executor: takes the line at currentLine, classifies it (blank,
// label, comment, quoted text, statement), splits keyword and arguments, resolves
// register references and runs the keyword's handler.
#pragma once
#include <string>

#include "model/runner_state.h"
#include "model/statement.h"

namespace model { struct Game; }

namespace script {

// executeStatement: runs the line at currentLine, and any line a handler asks to
// be executed at once in the same step (a jump target, the line after a quoted
// text) in a loop, so such chains never grow the stack.
void executeStatement(model::Game& game);

// Runs an already split statement through the dispatch table (the statement-form
// tests use it to dispatch the statement they carry).
void dispatchStatement(model::Game& game, model::Statement& statement);

// Asks the executor to run the line at currentLine at once, in the same step.
void continueAtOnce(model::Game& game);

// The trace prefix of a line: its number right-aligned in four columns, then ": ".
std::string linePrefix(int line);

// Trace summary of where a label is referred to in the running script.
std::string labelReferenceSummary(const model::Game& game, const std::string& labelLine);

}  // namespace script
