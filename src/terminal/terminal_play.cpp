// Terminal front end.
#include "terminal/terminal_play.h"

#include <QCoreApplication>
#include <chrono>
#include <thread>
#include <iostream>
#include <map>

#include "base/cp1252.h"
#include "base/number.h"
#include "input/command_keys.h"
#include "input/command_text.h"
#include "input/phrase_file.h"
#include "online/down_controls.h"
#include "model/down_page.h"
#include "shell/debug_console.h"
#include "shell/live_reload.h"
#include "shell/startup.h"
#include "terminal/line_input.h"
#include "terminal/map_picture.h"
#include "terminal/printable_text.h"
#include "terminal/session.h"
#include "terminal/wrapped_output.h"
#include "view/page_text.h"
#include "view/pictures.h"
#include "shell/spot_names.h"

namespace terminal {
namespace {

using Kind = shell::PlayerInput::Kind;
using view::PageLink;
using view::pageLineText;
using view::pageLinks;

// The player's own words in the terminal, in the interface language; game text
// is printed as the game wrote it.
QString translate(const char* context, const char* source) { return QCoreApplication::translate(context, source); }
std::string utf8(const QString& text) { return text.toStdString(); }

std::string helpText() {
  return utf8(translate("Terminal", "Game commands: type the phrase and press Enter (for example: norte, pegue a chave).\n"
      "An empty line presses Enter with an empty box: the place is described again.\n"
      "When the page shows numbered links, a bare number follows that link.\n"
      "The arrow keys edit the line; Up and Down recall earlier commands; F1 to F4 are the game's function keys.\n"
      "Terminal commands:\n"
      "  :f1 :f2 :f3 :f4        function keys (F3 brings back the last command)\n"
      "  :norte :sul :leste :oeste   (or :up :down :right :left) the arrow keys of the game\n"
      "  :saidas                the exits of the place\n"
      "  :links                 the links on show (of the page, and written into pictures), numbered\n"
      "  :link N                follows link N\n"
      "  :pontos                the clickable spots of the pictures, numbered\n"
      "  :clicar N              clicks spot N\n"
      "  :executar NAME         runs the script NAME (as a click would)\n"
      "  :mapa                  writes the game's map into a PNG file and says where\n"
      "  :baixar                the download page (on-line game, updates)\n"
      "  :baixar CONTROL        clicks one of its controls (TicLine, btAtual, btDEG, btDWNtudo...)\n"
      "  :desfazer              undoes your last turn (also :undo); :refazer redoes it (also :redo)\n"
      "  :salvar NAME           saves the game in a slot of that name; :carregar NAME restores it\n"
      "  :jogos                 the saved games\n"
      "  :transcricao           where the transcript of your game is kept (also :transcript)\n"
      "  :console               the debug console for authors (registers, objects, goto, trace)\n"
      "  :ajuda                 this list (also :help or help)\n"
      "  :sair                  ends and saves the game (so does the end of the input; also :quit)\n"));
}

// Terminal names of the command keys.
const std::map<std::string, std::string>& keyNames() {
  static const std::map<std::string, std::string> names = {
      {":f1", "F1"},       {":f2", "F2"},     {":f3", "F3"},      {":f4", "F4"},     {":norte", "Up"},
      {":up", "Up"},       {":sul", "Down"},  {":down", "Down"},  {":leste", "Right"}, {":right", "Right"},
      {":oeste", "Left"},  {":left", "Left"}, {":enter", "Enter"}};
  return names;
}

// Words a player types to leave a game; when the game has no phrase for one,
// the terminal points at :sair.
bool isLeavingWord(const std::string& cp1252Command) {
  const std::string command = input::normaliseCommand(base::trim(cp1252Command));
  return command == "SAIR" || command == "ENCERRAR" || command == "QUIT" || command == "EXIT";
}

bool isBareNumber(const std::string& line) {
  return !line.empty() && line.size() <= 4 && line.find_first_not_of("0123456789") == std::string::npos;
}

// Game text (Windows-1252) as the terminal shows it: UTF-8 without control characters.
std::string shownGameText(const std::string& cp1252) { return printableText(base::cp1252ToUtf8(cp1252)); }

// Text to the terminal: UTF-8 with LF, wrapped to the terminal's width. Pieces
// of one text (the typewriter, the strip under the picture) run on in one line;
// other texts are lines.
class Output {
 public:
  Output() : out_(std::cout, standardOutputWidth) {}
  // Game text (Windows-1252).
  void game(const std::string& cp1252, bool wholeLine) { write(shownGameText(cp1252), wholeLine); }
  void gameLine(const std::string& cp1252) { game(cp1252, true); }
  // The player's own text (UTF-8), a line of its own.
  void line(const std::string& utf8Text) { write(utf8Text, true); }
  // A list in columns (the help): wrapped lines go on under their text.
  void columns(const std::string& utf8Text) {
    out_.setHangingIndent(true);
    write(utf8Text, true);
    out_.setHangingIndent(false);
  }
  void endLine() { out_.endLine(); }
  void afterPrompt() { out_.lineWrittenElsewhere(); }
  void raw(const std::string& utf8Text) {
    out_.flush();
    std::cout << utf8Text << std::flush;
  }

 private:
  // A piece of a running text keeps its last word back until the text goes on,
  // so that a word written in two pieces is never broken at the seam.
  void write(const std::string& utf8Text, bool wholeLine) {
    if (wholeLine) out_.endLine();
    out_.write(utf8Text);
    if (wholeLine) out_.endLine();
    std::cout << std::flush;
  }
  WrappedOutput out_;
};

class Terminal {
 public:
  Terminal(Session& session, std::filesystem::path userFolder)
      : session_(session), game_(session.game), userFolder_(std::move(userFolder)) {
    session.host.onText = [this](platform::TextSink sink, const std::string& text) { show(sink, text); };
    session.host.onError = [this](const std::string& message) {
      out_.line(utf8(translate("Terminal", "[error] %1").arg(gameText(message))));
    };
    session.queue.onUnsupported = [this](const std::string& why) { out_.line("[" + why + "]"); };
    session.queue.onHistoryMoved = [this](bool back, bool moved) { tellHistoryMoved(back, moved); };
    session.queue.onSlotDone = [this](const shell::PlayerInput& input, const shell::SlotOutcome& outcome) {
      tellSlotDone(input, outcome);
    };
  }

  void greet() {
    out_.line("mirandel \u2014 " + shownGameText(game_.folders.gameName) + " " +
              utf8(translate("Terminal", "(:ajuda lists the terminal's commands)")));
  }

  // Before a prompt: whatever is written starts a line of its own, and what the
  // sound backend found out is said once.
  void endLine() {
    out_.endLine();
    if (!soundTold_ && soundDeviceMissing_ && soundDeviceMissing_()) {
      soundTold_ = true;
      out_.line(utf8(translate("Terminal", "[no sound device answers: the game goes on without sound]")));
    }
  }
  void watchSound(std::function<bool()> soundDeviceMissing) { soundDeviceMissing_ = std::move(soundDeviceMissing); }
  // Piped commands are echoed after the prompt.
  void echo(const std::string& utf8Line) { out_.raw(utf8Line + "\n"); }

  // One line typed by the user; false when the player is to close.
  bool handle(const std::string& utf8Line) {
    out_.afterPrompt();
    std::string line = base::trim(utf8Line);
    if (inConsole_) return useConsole(line);
    if (line == ":console") {
      inConsole_ = true;
      out_.line(utf8(translate("Terminal", "Debug console: reg N, reg N = text, row N, obj, goto SCRIPT, trace on, trace off, error; "
                                           "an empty line or :sair leaves it.")));
      return true;
    }
    if (line == ":sair" || line == ":quit") return false;
    if (line == ":ajuda" || line == ":help" || line == "help") {
      out_.columns(helpText());
    } else if (line.empty()) {
      key("Enter");
    } else if (auto named = keyNames().find(line); named != keyNames().end()) {
      key(named->second);
    } else if (line == ":saidas") {
      listExits();
    } else if (line == ":links") {
      listLinks();
    } else if (base::startsWith(line, ":link ")) {
      followLink(line.substr(6));
    } else if (line == ":pontos") {
      listHotSpots();
    } else if (line == ":mapa") {
      out_.line(writeMapPicture(game_, userFolder_));
    } else if (base::startsWith(line, ":clicar ")) {
      clickHotSpot(line.substr(8));
    } else if (line == ":clicar" || line == ":link") {
      out_.line(utf8(line == ":clicar" ? translate("Terminal", "Type :clicar and the number of a spot (:pontos lists them), for example :clicar 1.")
                                       : translate("Terminal", "Type :link and the number of a link (:links lists them), for example :link 1.")));
    } else if (line == ":baixar") {
      showDownPage();
    } else if (base::startsWith(line, ":baixar ")) {
      clickDownControl(base::trim(line.substr(8)));
    } else if (line == ":transcricao" || line == ":transcript") {
      const auto& file = session_.transcript.file();
      out_.line(utf8(file.empty() ? translate("Terminal", "This session keeps no transcript file.")
                                  : translate("Terminal", "The transcript is in %1").arg(QString::fromStdString(file.string()))));
    } else if (line == ":salvar" || line == ":carregar") {
      out_.line(utf8(translate("Terminal", "Give the slot a name: %1 NAME (:jogos lists the saved games)").arg(QString::fromStdString(line))));
    } else if (base::startsWith(line, ":salvar ")) {
      post(Kind::SaveSlot, base::trim(line.substr(8)));
    } else if (base::startsWith(line, ":carregar ")) {
      post(Kind::LoadSlot, base::trim(line.substr(10)));
    } else if (line == ":jogos") {
      listSlots();
    } else if (line == ":desfazer" || line == ":undo") {
      post(Kind::Undo, {});
    } else if (line == ":refazer" || line == ":redo") {
      post(Kind::Redo, {});
    } else if (base::startsWith(line, ":executar ")) {
      post(Kind::Run, base::utf8ToCp1252(base::trim(line.substr(10))));
    } else if (line[0] == ':') {
      out_.line(utf8(translate("Terminal", "[unknown terminal command: %1; :ajuda lists the commands]").arg(QString::fromStdString(line))));
    } else if (isBareNumber(line) && !pageModeLinks().empty()) {
      followLink(line);
    } else {
      // Each line is a whole command: the box starts empty.
      const std::string command = base::utf8ToCp1252(line);
      game_.screen.Input.text.clear();
      post(Kind::Type, command);
      if (isLeavingWord(command) && !gameKnowsPhrase(command))
        out_.line(utf8(translate("Terminal", "(to end the game and save it, type :sair)")));
    }
    showCommandBox();
    return !session_.queue.quitRequested() && !session_.host.quitRequested();
  }

  const char* prompt() const { return inConsole_ ? "console> " : "> "; }

  // --watch: before a prompt, a changed file of the game reloads the place. A
  // change seen still going on (an editor's save) gets one short wait to settle.
  void watch() { liveReload_ = std::make_unique<shell::LiveReload>(game_); }
  void lookForChanges() {
    if (!liveReload_ || !game_.world.gameLoaded) return;
    auto reload = liveReload_->look(game_);
    if (!reload && liveReload_->changing()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      reload = liveReload_->look(game_);
    }
    if (!reload) return;
    out_.line(utf8(translate("Terminal", "[reloaded %1; %2 runs again]")
                       .arg(QString::fromStdString(shell::reloadedNames(*reload)), gameText(reload->place))));
    post(Kind::Run, reload->place);
    showCommandBox();
  }

 private:
  // A line of the debug console; an empty line, :sair or :exit goes back to the game.
  bool useConsole(const std::string& line) {
    if (line.empty() || line == ":sair" || line == ":exit") {
      inConsole_ = false;
      out_.line(utf8(translate("Terminal", "(back in the game)")));
      return true;
    }
    console_.command(line);
    return !session_.queue.quitRequested() && !session_.host.quitRequested();
  }

  void show(platform::TextSink sink, const std::string& text) {
    using platform::TextSink;
    const QString name = gameText(text);
    if (sink == TextSink::Picture) return out_.line(utf8(translate("Terminal", "[picture: %1]").arg(name)));
    if (sink == TextSink::Music) return out_.line(utf8(translate("Terminal", "[music: %1]").arg(name)));
    if (sink == TextSink::Sound) return out_.line(utf8(translate("Terminal", "[sound: %1]").arg(name)));
    if (sink == TextSink::DownPage) return showDownPage();
    if (sink == TextSink::MsgMd0 || sink == TextSink::Msg) return out_.game(text, false);
    if (sink != TextSink::WebTxt) return out_.gameLine(text);
    // The line is already the last of the page: its links number after those before it.
    const auto& page = game_.screen.WebTxt;
    size_t before = page.empty() ? 0 : pageLinks(base::Lines(page.begin(), page.end() - 1)).size();
    std::string shown = pageLineText(text, before + 1);
    if (!base::trim(shown).empty()) out_.gameLine(shown);
  }

  // After an undo or redo the screen is another one: its text is shown again.
  void tellHistoryMoved(bool back, bool moved) {
    if (!moved)
      return out_.line(utf8(back ? translate("Terminal", "[nothing to undo]") : translate("Terminal", "[nothing to redo]")));
    const std::string said = utf8(back ? translate("Terminal", "[undone: the game is as it was before your last turn]")
                                       : translate("Terminal", "[redone]"));
    session_.transcript.mark(said);
    out_.line(said);
    showScreenText();
  }

  void tellSlotDone(const shell::PlayerInput& input, const shell::SlotOutcome& outcome) {
    const bool saving = input.kind == Kind::SaveSlot;
    const std::string said = utf8(translate("Slots", shell::slotOutcomeText(saving, outcome.result))
                                      .arg(QString::fromStdString(input.text), QString::fromStdString(outcome.detail)));
    out_.line(said);
    if (saving || !outcome.ok()) return;
    session_.transcript.mark(said);
    if (!outcome.ranPlace) showScreenText();
  }

  void listSlots() {
    const auto saved = session_.queue.saveSlots.list();
    if (saved.empty()) return out_.line(utf8(translate("Terminal", "No saved game yet (:salvar NAME saves one).")));
    for (const shell::SlotInfo& slot : saved)
      out_.line("  " + slot.name + " \u2014 " + slot.place + ", " + slot.date);
    out_.line(utf8(translate("Terminal", "(:carregar NAME restores one)")));
  }

  // The game text the screen shows now, in its display mode.
  void showScreenText() {
    const model::ScreenModel& screen = game_.screen;
    if (screen.isTypewriterMode()) return out_.gameLine(screen.MsgMd0.text);
    if (screen.isStripMode()) return out_.gameLine(screen.Msg.text);
    const base::Lines& lines = screen.isPageMode() ? screen.WebTxt.lines() : screen.Memo3.lines();
    size_t links = 0;
    for (const std::string& line : lines) {
      std::string shown = screen.isPageMode() ? pageLineText(line, links + 1) : line;
      if (screen.isPageMode()) links += pageLinks({line}).size();
      if (!base::trim(shown).empty()) out_.gameLine(shown);
    }
  }

  // Whether the phrase file has a line for the command as typed.
  bool gameKnowsPhrase(const std::string& command) {
    auto phrases = input::readPhraseFile(game_);
    return phrases && !input::findCommandScript(*phrases, input::normaliseCommand(command)).empty();
  }

  static QString gameText(const std::string& cp1252) { return QString::fromStdString(shownGameText(cp1252)); }

  void post(Kind kind, std::string text) { session_.queue.post({kind, std::move(text)}); }

  void key(const std::string& name) {
    input::keyPressed(game_);
    post(Kind::Key, name);
  }

  // What stays in the command box (a recalled command, a command kept after an error).
  void showCommandBox() {
    if (!game_.screen.Input.text.empty())
      out_.line(utf8(translate("Terminal", "[command box: %1; an empty line presses Enter]").arg(gameText(game_.screen.Input.text.str()))));
  }

  void listExits() {
    const auto& words = model::directionWords();
    std::string list;
    for (size_t slot = 0; slot < words.size(); ++slot)
      if (!game_.world.exits[slot].empty()) list += std::string(list.empty() ? "" : ", ") + words[slot];
    out_.line(utf8(list.empty() ? translate("Terminal", "No exit is marked in this place.")
                                : translate("Terminal", "Exits: %1.").arg(gameText(list))));
  }

  // A link on show: a link of the mode-"2" page, or a text link written into a
  // picture (a hot spot: following it clicks it).
  struct ShownLink {
    std::string text, address;  // Windows-1252
    int slot = -1;
  };

  // The links of the mode-"2" page, which a bare number follows.
  std::vector<PageLink> pageModeLinks() const {
    if (!game_.screen.isPageMode()) return {};
    return pageLinks(game_.screen.WebTxt);
  }

  // Every link on show: the page's, then the text links of the pictures.
  std::vector<ShownLink> currentLinks() const {
    std::vector<ShownLink> links;
    for (const PageLink& link : pageModeLinks()) links.push_back({pageLineText(link.text, 0), link.address, -1});
    for (int slot : activeSlots()) {
      const model::HotSpot& spot = game_.hotSpots.spots[static_cast<size_t>(slot)];
      if (!spot.picture.empty() && !view::isPictureName(spot.picture) &&
          !std::holds_alternative<model::NoAction>(spot.action))
        links.push_back({shell::spotName(game_, spot), model::actionText(spot.action), slot});
    }
    return links;
  }

  void listLinks() {
    auto links = currentLinks();
    if (links.empty()) return out_.line(utf8(translate("Terminal", "This screen has no links.")));
    for (size_t i = 0; i < links.size(); ++i)
      out_.line("  " + std::to_string(i + 1) + ". " + shownGameText(links[i].text) + " -> " +
                shownGameText(links[i].address));
  }

  void followLink(const std::string& number) {
    auto links = currentLinks();
    auto n = base::readNumber(number);
    if (!n || *n < 1 || static_cast<size_t>(*n) > links.size())
      return out_.line(utf8(translate("Terminal", "There is no link %1; :links lists the links.").arg(QString::fromStdString(base::trim(number)))));
    const ShownLink& link = links[static_cast<size_t>(*n - 1)];
    if (link.slot >= 0) return clickSlot(link.slot);
    post(Kind::Link, link.address);
  }

  // The active hot spots of every picture, in slot order.
  std::vector<int> activeSlots() const {
    std::vector<int> listed;
    for (int slot = 0; slot < model::kHotSpotSlots; ++slot)
      if (game_.hotSpots.spots[static_cast<size_t>(slot)].active) listed.push_back(slot);
    return listed;
  }

  static QString surfaceCaption(int slot) {
    switch (model::surfaceOfSlot(slot)) {
      case model::PointerSurface::Tela: return translate("Terminal", "picture");
      case model::PointerSurface::TelCmd: return translate("Terminal", "panel");
      case model::PointerSurface::Imp: return translate("Terminal", "frame");
      case model::PointerSurface::Tela3: return translate("Terminal", "page");
    }
    return translate("Terminal", "picture");
  }

  void listHotSpots() {
    const auto listed = activeSlots();
    if (listed.empty()) return out_.line(utf8(translate("Terminal", "No clickable spot on this screen.")));
    for (size_t i = 0; i < listed.size(); ++i) {
      const model::HotSpot& spot = game_.hotSpots.spots[static_cast<size_t>(listed[i])];
      const std::string name = shell::spotName(game_, spot);
      const QString shown = !name.empty()              ? gameText(name)
                            : shell::isMapSwitch(spot) ? translate("Terminal", "the map")
                                                      : translate("Terminal", "(no name)");
      out_.line(utf8(QStringLiteral("  %1. %2 (%3)").arg(i + 1).arg(shown, surfaceCaption(listed[i]))));
    }
    out_.line(utf8(translate("Terminal", "(:clicar N clicks spot N)")));
  }

  // A click at the centre of hot spot N: press and release, as a mouse would.
  void clickHotSpot(const std::string& number) {
    const auto listed = activeSlots();
    auto n = base::readNumber(number);
    if (!n || *n < 1 || static_cast<size_t>(*n) > listed.size())
      return out_.line(utf8(translate("Terminal", "There is no spot %1; :pontos lists the spots.").arg(QString::fromStdString(base::trim(number)))));
    clickSlot(listed[static_cast<size_t>(*n - 1)]);
  }

  void clickSlot(int slot) {
    const model::HotSpot& spot = game_.hotSpots.spots[static_cast<size_t>(slot)];
    shell::PlayerInput click{Kind::Click, model::surfaceName(model::surfaceOfSlot(slot)), spot.x + spot.width / 2,
                             spot.y + spot.height / 2};
    session_.queue.post(click);
  }

  // The "Down" page as lines: what each visible control says or holds.
  void showDownPage() {
    const auto& rows = model::downPageRows(game_.online.page);
    auto value = [&](const std::string& name) {
      for (const auto& [row, text] : rows)
        if (row == name) return text;
      return std::string();
    };
    for (const char* tick : {"TicLine", "TicTudo", "TicDown", "TicMult"})
      if (value(std::string(tick) + ".visible") == "1")
        out_.line(std::string(value(std::string(tick) + ".ticked") == "1" ? "[x] " : "[ ] ") + tick);
    for (const char* button : {"btAtual", "btDEG", "btDWNtudo"})
      if (value(std::string(button) + ".visible") == "1")
        out_.line(utf8(translate("Terminal", "(button) %1").arg(QLatin1String(button))));
    for (const char* label : {"Versao", "lbAviso", "lbDEG", "Lbx"})
      if (value(std::string(label) + ".visible") == "1" && !value(label).empty()) out_.gameLine(value(label));
  }

  void clickDownControl(const std::string& name) {
    if (!online::isDownControl(name))
      return out_.line(utf8(translate("Terminal", "There is no control %1; :baixar shows the page.").arg(QString::fromStdString(name))));
    online::pressDownButton(game_, name);
    online::releaseDownButton(game_, name);
    post(Kind::Down, name);
    showDownPage();
  }

  Session& session_;
  model::Game& game_;
  std::filesystem::path userFolder_;
  Output out_;
  std::function<bool()> soundDeviceMissing_;
  bool soundTold_ = false;
  shell::DebugConsole console_{game_, session_.queue, session_.recording.record, [this](const std::string& line) { out_.line(line); }};
  bool inConsole_ = false;
  std::unique_ptr<shell::LiveReload> liveReload_;
};

}  // namespace

int playInTerminal(const TerminalOptions& options) {
  Session session;
  Terminal terminal(session, options.userFolder);
  terminal.watchSound(options.soundDeviceMissing);
  session.start(options);
  terminal.greet();
  session.queue.post({Kind::Start, {}});
  if (options.watch) terminal.watch();
  auto input = openLineInput();
  std::string line;
  while (!session.queue.quitRequested()) {
    terminal.lookForChanges();
    terminal.endLine();
    // The end of the input and a stop signal close the player like :sair.
    if (input->next(terminal.prompt(), line) != LineInput::Next::Line) break;
    if (input->piped()) terminal.echo(line);
    if (!terminal.handle(line)) break;
  }
  terminal.endLine();
  shell::shutDown(session.game);
  return 0;
}

}  // namespace terminal
