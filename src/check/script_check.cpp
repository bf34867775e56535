// The script checker: one pass over the statements of a script.
#include "check/script_check.h"

#include <set>

#include "base/number.h"
#include "check/name_checks.h"
#include "check/script_walk.h"
#include "check/statement_shapes.h"
#include "check/value_checks.h"
#include "check/words.h"
#include "graphics/fonts.h"
#include "model/argument_words.h"
#include "model/world_state.h"
#include "script/line_syntax.h"
#include "view/pictures.h"

namespace check {
namespace {

// A direction word, as exits and ifdir= take it.
bool isExitWord(std::string_view word) { return model::directionSlot(word).has_value(); }

// norte= ... sair=: the statements that set an exit.
bool isExitKeyword(std::string_view keyword) {
  return !keyword.empty() && keyword.back() == '=' && isExitWord(keyword.substr(0, keyword.size() - 1));
}

class ScriptChecker {
 public:
  ScriptChecker(Context& context, const std::string& file, const base::Lines& lines)
      : context_(context), findings_(context.findings), file_(file) {
    for (const auto& line : lines) {
      std::string trimmed = base::trim(line);
      if (!trimmed.empty() && trimmed[0] == ':') labels_.insert(trimmed.substr(1));
    }
  }

  void check(const ScriptItem& item) {
    line_ = item.line + 1;
    if (!item.closed)
      findings_.error(file_, line_,
                      say(Check::tr("the quoted text never closes with \"'\": it takes the rest of the script")));
    if (item.kind == ScriptItem::QuotedText) return checkText(item.text);
    if (item.cutAtComma)
      findings_.warning(
          file_, line_,
          say(Check::tr("a comma ends the text of %1 before its closing \"'\"; write ^ for a comma"), item.keyword));
    std::vector<std::string> args(item.args.begin(), item.args.begin() + item.argCount);
    checkStatement(item.keyword, args, item, 0);
  }

 private:
  // A finding on the current line: the sentence with its pieces (see check/words.h).
  template <typename... Pieces>
  void error(const QString& sentence, const Pieces&... pieces) {
    findings_.error(file_, line_, say(sentence, pieces...));
  }
  template <typename... Pieces>
  void warning(const QString& sentence, const Pieces&... pieces) {
    findings_.warning(file_, line_, say(sentence, pieces...));
  }
  Place place() const { return {file_, line_}; }

  void checkStatement(const std::string& keyword, const std::vector<std::string>& args, const ScriptItem& item,
                      int depth) {
    if (!context_.facts.keywords.count(keyword)) return unknownKeyword(keyword);
    for (const auto& argument : args) checkRegisterReference(keyword, argument);
    if (keyword == "msg=" || keyword == "msg+") return checkMessage(keyword, args);
    if (keyword == "regtxt=" || keyword == "regtxt+") checkText(item.text);
    if (keyword == "reset") return checkReset(args);
    if (keyword == "display=" || keyword == "display") return checkDisplay(keyword, args);
    if (keyword == "chuva=") return checkRain(args);
    if (keyword == "hud=" || keyword == "masktel=") return checkHeadUp(args);
    if (keyword == "lstobjlnk=" || keyword == "lstobjlnk" || keyword == "dispobj=" || keyword == "displayobjetos=")
      context_.refs.objectScripts.insert(file_);
    if (const Shape* shape = shapeOf(keyword)) checkShape(keyword, *shape, args, item, depth);
  }

  void unknownKeyword(const std::string& keyword) {
    const auto& known = context_.facts.keywords;
    const std::string lower = lowerCase(keyword);
    const std::string withoutEquals = keyword.empty() ? "" : keyword.substr(0, keyword.size() - 1);
    if (known.count(keyword + "="))
      error(Check::tr("unknown statement \"%1\"; the line does nothing (did you mean \"%2\"?)"), keyword,
            keyword + "=");
    else if (lower != keyword && known.count(lower))
      error(
          Check::tr("unknown statement \"%1\"; the line does nothing (keywords are written in small letters: \"%2\")"),
          keyword, lower);
    else if (!keyword.empty() && keyword.back() == '=' && known.count(withoutEquals))
      error(Check::tr("unknown statement \"%1\"; the line does nothing (did you mean \"%2\"?)"), keyword,
            withoutEquals);
    else
      error(Check::tr("unknown statement \"%1\"; the line does nothing"), keyword);
  }

  // "#n": register n when 0 <= n < the register count, the text n otherwise.
  void checkRegisterReference(const std::string& keyword, const std::string& argument) {
    if (argument.empty() || argument[0] != '#') return;
    int n = base::readNumberOr(std::string_view(argument).substr(1), 0);
    bool wholeLine = keyword == "msg=" || keyword == "msg+";
    if (!wholeLine && (n < 0 || n >= context_.facts.registerCount)) {
      warning(Check::tr("%1 is outside the register count (row 5 is %2), so it stands for the text \"%3\""), argument,
              context_.facts.registerCount, argument.substr(1));
      return;
    }
    if (n < 0 || static_cast<size_t>(n) >= context_.facts.registers)
      error(Check::tr("register %1 does not exist (the register file has %2)"), n, context_.facts.registers);
  }

  void checkMessage(const std::string& keyword, const std::vector<std::string>& args) {
    if (keyword == "msg=" && (args.empty() || args[0].empty())) warning(Check::tr("msg= without a text"));
    if (!args.empty()) checkText(args[0]);
  }

  // Page links "<a href=Scp=name>" and text-box links "@text|name|" in a text.
  void checkText(const std::string& text) {
    for (size_t at = text.find("Scp="); at != std::string::npos; at = text.find("Scp=", at + 4)) {
      size_t end = text.find_first_of(" >\"'", at + 4);
      if (auto target = checkScriptName(context_, place(), text.substr(at + 4, end == std::string::npos ? end : end - at - 4)))
        context_.refs.scripts[file_].insert(*target);
    }
    for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at + 1)) {
      size_t bar = text.find('|', at);
      if (bar == std::string::npos) break;
      if (text.find('@', at + 1) < bar) continue;  // the link starts at a later "@"
      size_t close = text.find('|', bar + 1);
      if (close == std::string::npos) {
        warning(Check::tr("the link \"%1\" has no closing \"|\" after its script"), text.substr(at, bar - at));
        break;
      }
      if (auto target = checkScriptName(context_, place(), text.substr(bar + 1, close - bar - 1)))
        context_.refs.scripts[file_].insert(*target);
      at = close;
    }
  }

  void checkShape(const std::string& keyword, const Shape& shape, const std::vector<std::string>& args,
                  const ScriptItem& item, int depth) {
    const int given = static_cast<int>(args.size());
    const int letters = static_cast<int>(shape.kinds.size());
    const bool carries = shape.kinds.find('k') != std::string_view::npos;
    if (given < shape.required)
      error(shape.required == 1 ? Check::tr("%1 needs %2 argument, the line gives %3")
                                : Check::tr("%1 needs %2 arguments, the line gives %3"),
            keyword, shape.required, given);
    else if (given > letters && !shape.open && !carries) {
      if (letters == 0)
        warning(Check::tr("%1 takes no arguments; the rest of the line is ignored"), keyword);
      else
        warning(letters == 1 ? Check::tr("%1 takes %2 argument; the rest is ignored")
                             : Check::tr("%1 takes %2 arguments; the rest is ignored"),
                keyword, letters);
    }
    for (int k = 0; k < given && k < letters; ++k) {
      char kind = shape.kinds[static_cast<size_t>(k)];
      if (kind == 'k') return checkCarried(args, static_cast<size_t>(k), item, depth);
      const std::string& value = args[static_cast<size_t>(k)];
      if (value.empty()) {
        if (k < shape.required && (kind == 'l' || kind == 's' || kind == 'G' || kind == 'q'))
          error(Check::tr("%1 has an empty argument %2"), keyword, k + 1);
        continue;
      }
      if (value[0] == '#') continue;  // known only while playing
      checkArgument(keyword, kind, value);
    }
  }

  // The statement a test carries: its keyword and the arguments after it.
  void checkCarried(const std::vector<std::string>& args, size_t at, const ScriptItem& item, int depth) {
    const std::string& keyword = args[at];
    if (keyword.empty()) return error(Check::tr("the test carries no statement"));
    if (depth > 8) return;
    std::vector<std::string> rest(args.begin() + static_cast<long>(at) + 1, args.end());
    checkStatement(keyword, rest, item, depth + 1);
  }

  void checkArgument(const std::string& keyword, char kind, const std::string& value) {
    auto& facts = context_.facts;
    auto& refs = context_.refs;
    switch (kind) {
      case 'r': {
        auto n = base::readNumber(value);
        if (!n) return error(Check::tr("\"%1\" is not a register number"), value);
        if (*n < 0 || static_cast<size_t>(*n) >= facts.registers)
          error(Check::tr("register %1 does not exist (the register file has %2)"), value, facts.registers);
        return;
      }
      case 'i':
        if (!base::readNumber(value))
          error(Check::tr("\"%1\" is not a number; %2 stops the run there"), value, keyword);
        return;
      case 'j':
        if (!base::readNumber(value))
          warning(Check::tr("\"%1\" is not a number; %2 takes its default"), value, keyword);
        return;
      case 'a':
        if (value != "$" && !base::readNumber(value))
          warning(Check::tr("\"%1\" is not a number or $; 0 is used"), value);
        return;
      case 'c':
        return checkColour(keyword, value);
      case 'C':
        if (value != "0") checkColour(keyword, value);
        return;
      case 'l': return checkLabel(keyword, value);
      case 's':
        if (auto target = checkScriptName(context_, place(), value)) {
          refs.scripts[file_].insert(*target);
          if (keyword == "script") refs.continuedIn.emplace(*target, std::pair(file_, line_));
        }
        return;
      case 'G':
        if (value[0] == ':') return checkLabel(keyword, value.substr(1));
        if (auto target = checkScriptName(context_, place(), value)) refs.scripts[file_].insert(*target);
        return;
      case 'q':
        if (auto target = checkPhraseFileName(context_, place(), value)) refs.scripts[file_].insert(*target);
        return;
      case 'p':
        if (auto target = checkPictureName(context_, place(), value)) refs.pictures[file_].insert(*target);
        return;
      case 'P': {
        if (!view::isPictureName(lowerCase(value))) return;  // a text
        if (auto target = checkPictureName(context_, place(), value)) refs.pictures[file_].insert(*target);
        return;
      }
      case 'M':
        return noteSavedMap(value);
      case 'w':
        checkSoundName(context_, place(), value);
        return;
      case 't':
        if (!model::readArgument<'t'>(value)) error(Check::tr("\"%1\" is not a surface (tel, fnc or pan)"), value);
        return;
      case 'o':
        if (!facts.objectKeys.count(value)) error(Check::tr("there is no object \"%1\""), value);
        return;
      case 'f':
        if (!model::readArgument<'f'>(value))
          error(Check::tr("\"%1\" is not an object field (nom, dsc, loc, shp, tag)"), value);
        return;
      case 'd':
        if (!isExitWord(value))
          error(Check::tr("\"%1\" is not an exit (norte, sul, leste, oeste, subir, descer, entrar, sair)"), value);
        return;
      case 'm':
        if (!model::readArgument<'m'>(value)) error(Check::tr("\"%1\" is not a display mode (0, 1, 2 or 3)"), value);
        return;
      case 'e':
        if (!model::readArgument<'e'>(value)) warning(Check::tr("\"%1\" is neither on nor off; nothing changes"), value);
        return;
      case 'E':
        if (!model::readArgument<'E'>(value))
          warning(Check::tr("\"%1\" is not a playsnd mode (on, off or stop)"), value);
        return;
      case 'S':
        if (!graphics::isStyleText(value))
          warning(Check::tr("\"%1\" is not a style (three letters such as Biu)"), value);
        return;
      case 'v':
        if (!model::readArgument<'v'>(value))
          error(Check::tr("\"%1\" is not an engine variable (Modelo, Script, IniScp, RetScp, Posic, Objeto)"), value);
        return;
      case 'y':
        if (!model::readArgument<'y'>(value))
          error(Check::tr("\"%1\" is not a link parameter (prm, prx or pry)"), value);
        return;
      case 'z':
        if (!model::readArgument<'z'>(value))
          error(Check::tr("\"%1\" is not a part of an object (tit, dsc or shp)"), value);
        return;
      case 'F':
        if (!model::readArgument<'F'>(value))
          warning(Check::tr("\"%1\" is not a focus target (web, inp, fnc, vsr, msg)"), value);
        return;
      case 'g':
        if (!model::readArgument<'g'>(value))
          warning(Check::tr("\"%1\" is not a hot-spot group (tel, fnc, pan, md3)"), value);
        return;
      case 'T':
        if (value != "$") checkText(value);
        return;
      default:
        return;
    }
  }

  void checkColour(const std::string& keyword, const std::string& value) {
    auto reading = readColourText(value);
    if (reading.kind == ColourReading::Unreadable)
      error(Check::tr("\"%1\" is not a colour (six hex digits RRGGBB); %2 stops the run there"), value, keyword);
    else if (reading.kind == ColourReading::Readable)
      warning(Check::tr("\"%1\" is not six hex digits RRGGBB; the player reads it as %2"), value, reading.asRead);
  }

  void checkLabel(const std::string& keyword, const std::string& name) {
    if (labels_.count(name)) return;
    if (!name.empty() && name[0] == ':' && labels_.count(name.substr(1)))
      return error(Check::tr("%1 names \"%2\"; write the label without its colon"), keyword, name);
    for (const auto& label : labels_)
      if (label.rfind(name, 0) == 0 && label.size() > name.size() && base::trim(label.substr(name.size())) != "" &&
          (label[name.size()] == ' ' || label[name.size()] == '\t'))
        return error(Check::tr("the label line \"%1\" has text after its name, so %2 cannot reach it"), ":" + label,
                     keyword);
    error(Check::tr("%1 to the label \"%2\", which this script does not have"), keyword, name);
  }

  void checkReset(const std::vector<std::string>& args) {
    const std::string what = args.empty() ? "" : args[0];
    const std::string name = args.size() > 1 ? args[1] : "";
    if (what == "objs") {
      if (!name.empty() && name[0] != '#' && name != "todos" && !context_.facts.objectKeys.count(name))
        error(Check::tr("there is no object \"%1\" to restore"), name);
      return;
    }
    if (what == "regs") {
      if (static_cast<size_t>(std::max(0, context_.facts.registerCount)) > context_.facts.registers)
        error(Check::tr("reset regs empties %1 registers (row 5) but the register file has %2; the run stops at the "
                        "first missing one"),
              context_.facts.registerCount, context_.facts.registers);
      return;
    }
    if (what == "mapa") {
      if (name.empty()) warning(Check::tr("reset mapa without a file name does nothing"));
      else noteSavedMap(name);
      return;
    }
    if (!what.empty() && what[0] == '#') return;
    warning(Check::tr("reset %1 does nothing (reset takes objs, regs or mapa)"), what);
  }

  // The saved map is shown on the map page once a play has written it.
  void noteSavedMap(const std::string& name) {
    auto found = context_.files.lookup(name);
    if (found.kind == NameLookup::Exact || found.kind == NameLookup::CaseOnly)
      context_.refs.pictures[file_].insert(found.onDisk);
  }

  void checkDisplay(const std::string& keyword, const std::vector<std::string>& args) {
    if (args.empty() || args[0].empty()) return error(Check::tr("%1 without a picture or text"), keyword);
    static const Shape picture{"Ptjjjjx", 2};
    static const Shape text{"xtjjjcS", 2};
    if (!view::isPictureName(args[0]) && view::isPictureName(lowerCase(args[0])))
      warning(Check::tr("\"%1\" has its extension in capitals, so %2 shows it as a text"), args[0], keyword);
    ScriptItem none;
    checkShape(keyword, view::isPictureName(args[0]) ? picture : text, args, none, 0);
  }

  void checkRain(const std::vector<std::string>& args) {
    const std::string what = args.empty() ? "" : args[0];
    const std::string value = args.size() > 1 ? args[1] : "";
    if (base::contains(what, ".bmp")) {
      if (auto target = checkPictureName(context_, place(), what)) context_.refs.pictures[file_].insert(*target);
    } else if (what == "mask") {
      if (base::contains(value, ".bmp")) {
        if (auto target = checkPictureName(context_, place(), value)) context_.refs.pictures[file_].insert(*target);
      } else if (!value.empty() && value != "off") {
        warning(Check::tr("chuva= mask takes a .bmp file or off"));
      }
    } else if (what == "time" || what == "wgotas") {
      if (!base::readNumber(value)) warning(Check::tr("\"%1\" is not a number; %2 takes its default"), value, "chuva=");
    } else if (what != "on" && what != "off" && (what.empty() || what[0] != '#')) {
      warning(Check::tr("chuva= %1 does nothing (a .bmp file, on, off, mask, time or wgotas)"), what);
    }
  }

  void checkHeadUp(const std::vector<std::string>& args) {
    if (args.empty() || !base::contains(args[0], ".bmp")) return;
    if (auto target = checkPictureName(context_, place(), args[0])) context_.refs.pictures[file_].insert(*target);
  }

  Context& context_;
  Findings& findings_;
  const std::string& file_;
  std::set<std::string> labels_;
  int line_ = 0;
};

}  // namespace

void surveyScript(Context& context, const base::Lines& lines, std::set<std::string>& phraseFileNames) {
  walkScript(lines, [&](const ScriptItem& item) {
    if (item.kind != ScriptItem::Statement) return;
    if (isExitKeyword(item.keyword) && item.argCount > 0 && !item.args[0].empty())
      context.facts.exitsSet.insert(item.keyword.substr(0, item.keyword.size() - 1));
    if (item.keyword == "retscp=") context.facts.setsReturnScript = true;
    if (item.keyword == "reset" && item.args[0] == "objs") context.facts.restoresObjects = true;
    if ((item.keyword == "defcom=" || item.keyword == "scriptcmd=" || item.keyword == "scpcmd=") && item.argCount > 0 &&
        !item.args[0].empty() && item.args[0][0] != '#')
      phraseFileNames.insert(item.args[0]);
  });
}

void checkFirstLines(Context& context, const std::map<std::string, base::Lines>& scripts) {
  for (const auto& [target, from] : context.refs.continuedIn) {
    auto it = scripts.find(target);
    if (it == scripts.end() || it->second.empty()) continue;
    auto kind = script::readLineSyntax(it->second[0]).kind;
    if (kind == script::LineKind::Statement || kind == script::LineKind::QuotedText)
      context.findings.warning(target, 1,
                               say(Check::tr("a run that continues here with \"script\" (%1:%2) skips this first line; "
                                             "start the script with a comment or a label"),
                                   from.first, from.second));
  }
}

void checkScript(Context& context, const std::string& file, const base::Lines& lines) {
  ScriptChecker checker(context, file, lines);
  walkScript(lines, [&](const ScriptItem& item) { checker.check(item); });
}

}  // namespace check
