// The debug console's commands.
#include "shell/debug_console.h"

#include <QCoreApplication>

#include "base/cp1252.h"
#include "base/letter_case.h"
#include "base/number.h"
#include "shell/game.h"
#include "shell/input_queue.h"
#include "platform/recording_host.h"
#include "model/object_table.h"

namespace shell {
namespace {

std::string said(const char* source) { return QCoreApplication::translate("Console", source).toStdString(); }
QString unicode(const std::string& utf8) { return QString::fromStdString(utf8); }

// A row of the definitions table by its position or, in any letter case, its name.
const model::DefinitionsRow* rowOf(const std::string& positionOrName) {
  if (auto n = base::readNumber(positionOrName)) return model::definitionsRow(*n);
  for (const model::DefinitionsRow& row : model::definitionsRows())
    if (base::upperCaseLetters(row.name) == base::upperCaseLetters(positionOrName)) return &row;
  return nullptr;
}

// A register as the author's record writes it: #12 = "text".
std::string registerLine(int n, const std::string& cp1252Value) {
  return "#" + std::to_string(n) + " = \"" + base::cp1252ToUtf8(cp1252Value) + "\"";
}

}  // namespace

DebugConsole::DebugConsole(model::Game& game, InputQueue& queue, const platform::HostRecord& record,
                           std::function<void(const std::string&)> print)
    : game_(game), queue_(queue), record_(record), print_(std::move(print)) {}

DebugConsole::~DebugConsole() {
  if (tracing_) trace(false);
}

void DebugConsole::command(const std::string& utf8Line) {
  const std::string line = base::trim(utf8Line);
  const size_t space = line.find(' ');
  const std::string word = line.substr(0, space);
  const std::string rest = space == std::string::npos ? std::string() : base::trim(line.substr(space + 1));
  if (word == "reg" && !rest.empty()) {
    const size_t equals = rest.find('=');
    if (equals == std::string::npos) return showRegister(rest);
    return setRegister(base::trim(rest.substr(0, equals)), base::trim(rest.substr(equals + 1)));
  }
  if (word == "row" && !rest.empty()) return showRow(rest);
  if (word == "obj" && rest.empty()) return listObjects();
  if (word == "goto" && !rest.empty()) return goTo(rest);
  if (word == "trace" && (rest == "on" || rest == "off")) return trace(rest == "on");
  if (word == "error" && rest.empty()) return lastError();
  print_(said(QT_TRANSLATE_NOOP("Console", "Commands: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error")));
}

void DebugConsole::showRegister(const std::string& number) {
  auto n = base::readNumber(number);
  if (!n || !game_.Regs.exists(*n))
    return print_(QCoreApplication::translate("Console", "There is no register %1 (the game has 0 to %2).")
                      .arg(unicode(number)).arg(static_cast<long long>(game_.Regs.size()) - 1).toStdString());
  print_(registerLine(*n, game_.Regs.at(*n)));
}

// A row of the definitions table by position or name, with what it holds:
// row 24 ViewerWidth (number: viewer width in modes "0" and "1") = "670".
void DebugConsole::showRow(const std::string& positionOrName) {
  const model::DefinitionsRow* row = rowOf(positionOrName);
  if (!row)
    return print_(QCoreApplication::translate("Console", "There is no row %1 of the definitions table.")
                      .arg(unicode(positionOrName)).toStdString());
  print_("row " + std::to_string(row->index) + " " + row->name + " (" + model::rowKindName(row->kind) + ": " +
         row->meaning + ") = \"" + base::cp1252ToUtf8(game_.Defs.defsRow(row->index)) + "\"");
}

void DebugConsole::setRegister(const std::string& number, const std::string& utf8Value) {
  auto n = base::readNumber(number);
  if (!n || !game_.Regs.exists(*n)) return showRegister(number);
  game_.Regs.at(*n) = base::utf8ToCp1252(utf8Value);
  print_(registerLine(*n, game_.Regs.at(*n)));
}

void DebugConsole::listObjects() {
  const auto& world = game_.world;
  if (world.Objs.empty()) return print_(said(QT_TRANSLATE_NOOP("Console", "The game has no objects.")));
  const model::ObjectTable table(world.Objx);
  auto line = [&](size_t record, model::Field field) {
    const std::string* text = table.line(record, field);
    return text ? base::cp1252ToUtf8(*text) : std::string();
  };
  for (size_t record = 0; record < world.Objs.size(); ++record)
    print_(base::cp1252ToUtf8(world.Objs[record]) + "  " + line(record, model::Field::Loc) + "  " +
           line(record, model::Field::Nom));
}

void DebugConsole::goTo(const std::string& utf8Script) {
  const std::string script = base::utf8ToCp1252(utf8Script);
  if (!game_.folders.dataFolder.exists(script + ".scx"))
    return print_(QCoreApplication::translate("Console", "There is no script %1.scx in the game folder.")
                      .arg(unicode(utf8Script)).toStdString());
  queue_.post({PlayerInput::Kind::Run, script});
}

// The trace goes to the console, and on to the --trace file when there is one.
void DebugConsole::trace(bool on) {
  if (on && !tracing_) {
    traceBefore_ = game_.traceHook;
    game_.traceHook = [this](const std::string& line) {
      if (traceBefore_) traceBefore_(line);
      print_(base::cp1252ToUtf8(line));
    };
  } else if (!on && tracing_) {
    game_.traceHook = traceBefore_;
  }
  tracing_ = on;
  print_(on ? said(QT_TRANSLATE_NOOP("Console", "Trace on.")) : said(QT_TRANSLATE_NOOP("Console", "Trace off.")));
}

void DebugConsole::lastError() {
  const auto& errors = record_.errors;
  print_(errors.empty() ? said(QT_TRANSLATE_NOOP("Console", "No error was shown yet.")) : base::cp1252ToUtf8(errors.back()));
}

}  // namespace shell
