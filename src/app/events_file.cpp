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
  if (word == "undo") return input(Kind::Undo);
  if (word == "redo") return input(Kind::Redo);
  if (word == "save" || word == "load") {
    if (rest.empty()) {
      error = word + " needs the name of a slot";
      return false;
    }
    input(word == "save" ? Kind::SaveSlot : Kind::LoadSlot);
    event.input.text = rest;  // slot names stay UTF-8
    return true;
  }
  if (word == "text") {
    // Letters typed into the command box, without Enter.
    input(Kind::Type);
    event.kind = Event::Kind::Text;
    return true;
  }
  if (word == "key") {
    static const char* keys[] = {"F1", "F2", "F3", "F4", "Up", "Down", "Left", "Right", "Enter", "Escape", "Home", "End"};
    for (const char* key : keys)
      if (rest == key) return input(Kind::Key);
    error = "unknown key \"" + rest + "\" (F1 F2 F3 F4 Up Down Left Right Enter Escape Home End)";
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
  // Pointer events: SURFACE X Y, and for the wheel the turn (120 a notch).
  static const std::pair<const char*, Kind> pointerWords[] = {
      {"click", Kind::Click}, {"move", Kind::Move}, {"press", Kind::Press}, {"release", Kind::Release},
      {"wheel", Kind::Wheel}};
  for (const auto& [pointerWord, kind] : pointerWords) {
    if (word != pointerWord) continue;
    const bool wheel = kind == Kind::Wheel;
    std::istringstream parts(rest);
    std::string surface, x, y, delta, extra;
    parts >> surface >> x >> y;
    if (wheel) parts >> delta;
    auto px = base::readNumber(x), py = base::readNumber(y), turn = base::readNumber(delta);
    static const char* surfaces[] = {"tel", "fnc", "pan", "md3", "map", "voce"};
    bool known = false;
    for (const char* s : surfaces) known = known || surface == s;
    if (!known || !px || !py || (wheel && !turn) || (parts >> extra)) {
      error = word + (wheel ? " needs a surface (tel fnc pan md3 map voce), two numbers and the turn"
                            : " needs a surface (tel fnc pan md3 map voce) and two numbers");
      return false;
    }
    input(kind);
    event.input.text = surface;
    event.input.x = *px;
    event.input.y = *py;
    event.input.delta = wheel ? *turn : 0;
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
    if (base::startsWith(line, "drag ")) {
      // drag SURFACE X0 Y0 X1 Y1: a press, a move to the end point and a release there.
      std::istringstream parts(line.substr(5));
      std::string surface, x0, y0, x1, y1;
      parts >> surface >> x0 >> y0 >> x1 >> y1;
      for (const std::string& step : {"press " + surface + " " + x0 + " " + y0, "move " + surface + " " + x1 + " " + y1,
                                      "release " + surface + " " + x1 + " " + y1}) {
        Event part = event;
        if (!parseLine(step, part, why)) {
          error = "line " + std::to_string(i + 1) + ": drag needs a surface and four numbers";
          return std::nullopt;
        }
        events.push_back(std::move(part));
      }
      continue;
    }
    if (!parseLine(line, event, why)) {
      error = "line " + std::to_string(i + 1) + ": " + why;
      return std::nullopt;
    }
    events.push_back(std::move(event));
  }
  return events;
}

}  // namespace app
