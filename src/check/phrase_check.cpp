// Phrase files: each line "PHRASE | script". What the player types reaches the
// file in capitals, so a phrase with a small letter can never match.
#include <map>

#include "base/letter_case.h"
#include "base/text.h"
#include "check/game_checks.h"
#include "check/name_checks.h"
#include "check/words.h"
#include "input/phrase_file.h"

namespace check {

void checkPhraseFile(Context& context, const std::string& file, const base::Lines& lines) {
  auto& findings = context.findings;
  std::map<std::string, int> firstLine;  // phrase -> the line that wins
  for (size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    const std::string trimmed = base::trim(lines[i]);
    auto phraseLine = input::readPhraseLine(trimmed);
    if (!phraseLine) {
      if (!trimmed.empty() && trimmed[0] != '/' && trimmed[0] != ';')
        findings.warning(file, line, say(Check::tr("the line has no \"|\", so it matches nothing")));
      continue;
    }
    const std::string& phrase = phraseLine->phrase;
    const std::string& script = phraseLine->script;
    if (phrase.empty()) {
      findings.warning(file, line, say(Check::tr("the line has no phrase before \"|\"")));
      continue;
    }
    const std::string typed = input::isHiddenPhrase(phrase) ? phrase.substr(1) : phrase;
    if (base::upperCaseLetters(typed) != typed)
      findings.error(file, line,
                     say(Check::tr("the phrase \"%1\" has small letters; what the player types is in capitals, so it "
                                   "never matches"),
                         phrase));
    if (auto [earlier, added] = firstLine.emplace(phrase, line); !added)
      findings.warning(
          file, line,
          say(Check::tr("the phrase \"%1\" is already on line %2; this line is never used"), phrase, earlier->second));
    else if (phrase.size() > 1 && input::isHiddenPhrase(phrase))
      findings.note(file, line,
                    say(Check::tr("the hidden phrase \"%1\" matches only when the player types it with its \"/\"; it "
                                  "is never suggested"),
                        phrase));
    if (phrase == "/") findings.warning(file, line, say(Check::tr("the hidden phrase \"/\" has no words")));
    if (script.empty()) {
      findings.error(file, line, say(Check::tr("the phrase \"%1\" has no script after \"|\""), phrase));
      continue;
    }
    if (auto target = checkScriptName(context, {file, line}, script)) context.refs.scripts[file].insert(*target);
  }
}

}  // namespace check
