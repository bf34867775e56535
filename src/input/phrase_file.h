// The command phrase file (commandsScript + ".scx"): lines "phrase | script". The
// game author lists every accepted phrase whole; a phrase beginning with "/" is
// hidden (matched, never suggested); a line without "|" matches nothing. The
// file is read anew for every command, never cached.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"
#include "model/parser_state.h"

namespace model { struct Game; }

namespace input {

// The phrase file of a commandsScript name: "comandos" -> "comandos.scx".
std::string phraseFileName(const std::string& commandsScript);

// One line of the phrase file cut at its first "|", both sides trimmed; nothing
// for a line without "|" (it matches nothing). The player and the checker read
// the lines through here.
struct PhraseLine {
  std::string phrase;
  std::string script;
};
std::optional<PhraseLine> readPhraseLine(std::string_view line);
// A phrase starting with "/" is hidden: never suggested, and matched only when
// the player types it with its "/", since phrases are compared whole.
inline bool isHiddenPhrase(std::string_view phrase) { return !phrase.empty() && phrase[0] == '/'; }

// The file's lines, or nothing when it cannot be read.
std::optional<base::Lines> readPhraseFile(model::Game& game);
// The message for a phrase file that cannot be read.
std::string missingPhraseFileMessage(const model::Game& game);

// The script of the first line whose trimmed phrase is exactly the command
// (trimmed too); empty when none matches.
std::string findCommandScript(const base::Lines& phrases, const std::string& command);
// The index of that line; nothing when none matches.
std::optional<size_t> findCommandLine(const base::Lines& phrases, const std::string& command);
// findCommandScript for a typed command: a run observer hears which line matched.
std::string matchTypedCommand(model::Game& game, const base::Lines& phrases, const std::string& command);

// At most 12 phrases near the command, in file order, each followed by CR LF:
// those holding word 1 when only word 1 is given, those holding words 1 and 2
// (in any order) when both are. Hidden and empty phrases are never offered.
std::string suggestCommands(const base::Lines& phrases, const model::CommandWords& words);

}  // namespace input
