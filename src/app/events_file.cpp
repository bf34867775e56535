// The events file format.
#include "app/events_file.h"

#include <sstream>

#include "base/cp1252.h"
#include "base/number.h"
#include "base/text.h"
#include "online/down_controls.h"

namespace app {
namespace {

using Kind = shell::PlayerInput::Kind;

bool parseLine(const std::string& line, Event& event, std::string& error) {
  size_t blank = line.find(' ');
  std::string word = line.substr(0, blank);
  std::string rest = blank == std::string::npos ? "" : base::trim(line.substr(blank + 1));
  // Game text inside the engine is Windows-1252.
  std::string text = base::utf8ToCp1252(rest);
  auto input = [&](Kind kind) {
    event.kind = Event::Kind::Input;
    event.input.kind = kind;
    event.input.text = text;
    return true;
  };
  if (word == "start") return input(Kind::Start);
  if (word == "quit") return input(Kind::Quit);
  if (word == "type") return input(Kind::Type);
  if (word == "run") return input(Kind::Run);
  if (word == "link") return input(Kind::Link);
  if (word == "key") {
    static const char* keys[] = {"F1", "F2", "F3", "F4", "Up", "Down", "Left", "Right", "Enter"};
    for (const char* key : keys)
      if (rest == key) return input(Kind::Key);
    error = "unknown key \"" + rest + "\" (F1 F2 F3 F4 Up Down Left Right Enter)";
    return false;
  }
  if (word == "click" && rest.rfind("down ", 0) == 0) {
    std::string control = base::trim(rest.substr(5));
    if (!online::isDownControl(control)) {
      error = "click down needs a control (TicLine TicTudo TicDown TicMult btAtual btDEG btDWNtudo)";
      return false;
    }
    input(Kind::Down);
    event.input.text = control;
    return true;
  }
  if (word == "click") {
    std::istringstream parts(rest);
    std::string surface, x, y, extra;
    parts >> surface >> x >> y;
    auto px = base::readNumber(x), py = base::readNumber(y);
    static const char* surfaces[] = {"tel", "fnc", "pan", "md3", "map", "voce"};
    bool known = false;
    for (const char* s : surfaces) known = known || surface == s;
    if (!known || !px || !py || (parts >> extra)) {
      error = "click needs a surface (tel fnc pan md3 map voce) and two numbers";
      return false;
    }
    input(Kind::Click);
    event.input.text = surface;
    event.input.x = *px;
    event.input.y = *py;
    return true;
  }
  if (word == "wait") {
    auto ms = base::readNumber(rest);
    if (!ms || *ms < 0) {
      error = "wait needs a number of milliseconds";
      return false;
    }
    event.kind = Event::Kind::Wait;
    event.milliseconds = *ms;
    return true;
  }
  if (word == "dump") {
    if (rest.empty()) {
      error = "dump needs a folder";
      return false;
    }
    event.kind = Event::Kind::Dump;
    event.folder = rest;
    return true;
  }
  error = "unknown event \"" + word + "\"";
  return false;
}

}  // namespace

std::optional<std::vector<Event>> parseEvents(const std::string& utf8Text, std::string& error) {
  std::vector<Event> events;
  auto lines = base::splitLines(utf8Text);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = base::trim(lines[i]);
    if (line.empty() || line[0] == '#') continue;
    Event event;
    event.lineNumber = static_cast<int>(i + 1);
    std::string why;
    if (!parseLine(line, event, why)) {
      error = "line " + std::to_string(i + 1) + ": " + why;
      return std::nullopt;
    }
    events.push_back(std::move(event));
  }
  return events;
}

}  // namespace app
