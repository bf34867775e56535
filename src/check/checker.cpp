// The order of the check: the table and the files it names, a survey of the
// scripts, the objects, the phrase files, every script, then reachability.
#include "check/checker.h"

#include <map>
#include <set>

#include "base/number.h"
#include "base/text.h"
#include "check/context.h"
#include "check/game_checks.h"
#include "check/name_checks.h"
#include "check/reachability.h"
#include "check/script_check.h"
#include "check/words.h"
#include "model/definitions_rows.h"
#include "input/phrase_file.h"
#include "model/defs.h"
#include "shell/dispatch_table.h"

namespace check {
namespace {

// The game's own files; a missing one means the game cannot start.
base::Lines readGameFile(Context& context, const std::string& name) {
  auto found = context.files.lookup(name);
  if (found.kind == NameLookup::CaseOnly)
    context.findings.warning(found.onDisk, 0,
                             say(Check::tr("the game file \"%1\" is found only by ignoring case"), name));
  if (found.kind == NameLookup::Missing || found.kind == NameLookup::Refused) {
    context.findings.error(name, 0, say(Check::tr("the game file is missing; the game cannot start")));
    return {};
  }
  auto lines = context.files.read(found.onDisk);
  if (!lines)
    context.findings.error(found.onDisk, 0, say(Check::tr("the game file cannot be read; the game cannot start")));
  return lines ? *lines : base::Lines();
}

// Files read as UTF-8 are noted; a file that mixes both encodings is read as
// Windows-1252, so its UTF-8 letters show as two or three odd ones.
void noteEncodings(Context& context) {
  for (const auto& [name, how] : context.files.encodings())
    if (how.mixed)
      context.findings.warning(name, 0,
                               say(Check::tr("the file mixes UTF-8 and Windows-1252 letters; it is read as "
                                             "Windows-1252, so its UTF-8 letters show wrong")));
    else if (how.encoding != base::TextEncoding::Windows1252)
      context.findings.note(name, 0, say(Check::tr("the file is read as UTF-8")));
}

// The folder as the command line gave it (UTF-8, like every path here).
QString pathText(const std::filesystem::path& folder) { return QString::fromStdString(folder.string()); }

}  // namespace

int checkGame(const std::filesystem::path& folder, const std::string& exeBaseName, std::ostream& out,
              std::ostream& err) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    err << "mirandel: " << say(Check::tr("the game folder %1 does not exist"), pathText(folder)) << "\n";
    return 2;
  }
  Context context{GameFiles(folder), {}, {}, {}};
  auto& facts = context.facts;
  auto playerTable = context.files.lookup(exeBaseName + ".ini");
  auto playerRows = playerTable.kind == NameLookup::Missing ? std::nullopt : context.files.read(playerTable.onDisk);
  if (!playerRows) {
    err << "mirandel: "
        << say(Check::tr("%1 holds no table %2; is it a game folder?"), pathText(folder),
               QString::fromStdString(exeBaseName + ".ini"))
        << "\n";
    return 2;
  }
  // The tables as the player reads them: an empty one gives the built-in rows.
  const auto playerDefs = model::DefinitionsTable::fromFileRows(*playerRows);
  const std::string& gameName = playerDefs.defsRow(model::row::GameName);
  facts.gameName = gameName.empty() ? exeBaseName : gameName;
  facts.tableFile = facts.gameName + ".ini";
  facts.table = model::DefinitionsTable::fromFileRows(readGameFile(context, facts.tableFile)).rows();
  const size_t countRow = model::row::RegisterCount;
  facts.registerCount = facts.table.size() > countRow ? base::readNumberOr(facts.table[countRow], 0) : 250;
  facts.registers = readGameFile(context, facts.gameName + ".rgs").size();
  for (const auto& keyword : shell::buildDispatch().keywords()) facts.keywords.insert(keyword);

  // Which .scx files are phrase files: the table's row 17 and every name given to
  // defcom= or scriptcmd=; the others are scripts.
  std::set<std::string> phraseNames;
  if (facts.table.size() > static_cast<size_t>(model::row::CommandsScript))
    phraseNames.insert(facts.table[model::row::CommandsScript]);
  else
    phraseNames.insert("");  // the player looks for ".scx"
  std::map<std::string, base::Lines> scx;
  for (const auto& name : context.files.names())
    if (hasExtension(name, ".scx"))
      if (auto lines = context.files.read(name)) scx[name] = *lines;
  for (const auto& [name, lines] : scx) surveyScript(context, lines, phraseNames);
  for (const auto& phrase : phraseNames) {
    auto found = context.files.lookup(input::phraseFileName(phrase));
    if (found.kind == NameLookup::Exact || found.kind == NameLookup::CaseOnly) facts.phraseFiles.insert(found.onDisk);
  }
  for (const auto& [name, lines] : scx)
    if (!facts.phraseFiles.count(name)) facts.scripts.insert(name);

  checkTable(context);
  checkObjects(context, readGameFile(context, facts.gameName + ".obz"), readGameFile(context, facts.gameName + ".obx"));
  for (const auto& name : facts.phraseFiles) checkPhraseFile(context, name, scx[name]);
  for (const auto& name : facts.scripts) checkScript(context, name, scx[name]);
  checkFirstLines(context, scx);

  // Where play starts: the opening script and the scripts of the saved position.
  for (int row : {model::row::IniScp, model::row::CurrentScript, model::row::RetScp, model::row::Posic})
    if (static_cast<size_t>(row) < facts.table.size() && !facts.table[static_cast<size_t>(row)].empty()) {
      auto found = context.files.lookup(facts.table[static_cast<size_t>(row)] + ".scx");
      if (found.kind == NameLookup::Exact || found.kind == NameLookup::CaseOnly) context.refs.rootScripts.insert(found.onDisk);
    }
  if (auto opening = context.files.lookup("abertura.scx"); !opening.onDisk.empty())
    context.refs.rootScripts.insert(opening.onDisk);
  if (auto opening = context.files.lookup("abertura.scx"); opening.kind == NameLookup::CaseOnly)
    context.findings.warning(opening.onDisk, 0,
                             say(Check::tr("the opening script \"abertura\" is found only by ignoring case")));
  else if (opening.kind != NameLookup::Exact)
    context.findings.error("abertura.scx", 0,
                           say(Check::tr("there is no opening script \"abertura\"; every game starts with it")));
  noteUnreachable(context);
  noteEncodings(context);

  context.findings.report(out, facts.gameName);
  return context.findings.exitStatus();
}

}  // namespace check
